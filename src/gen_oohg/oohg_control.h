#pragma once
// The base of the OOHG control classes: the attributes of the toolkit's control kinds that
// their statements read, the blocks and flags several classes share, and the creation
// statement behind `Script`.
#include "model/control.h"

namespace dd {

// The usual window colour of edits, lists and trees (clWindow).
inline constexpr Color kWindowColor{qint32(0xFF000005)};

class OohgControl : public Control {
    Q_OBJECT
public:
    // `tabStop` is the kind's own default, which files leave out.
    explicit OohgControl(DesignRoot *root, bool tabStop = true);

    // `Script`: the creation statement, each line ended by a CR but the last.
    QString script() const;
    // The same statement when the control's position in its root's list is already known,
    // as it is to the program body, which so avoids looking it up per control.
    virtual QString scriptAt(qsizetype componentIndex) const;

    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool v) { assign(m_tabStop, v, "TabStop"); }
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int v) { assign(m_maxLength, v, "MaxLength"); }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool v) { assign(m_readOnly, v, "ReadOnly"); }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool v) { assign(m_autoSize, v, "AutoSize"); }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool v) { assign(m_wordWrap, v, "WordWrap"); }
    bool transparent() const { return m_transparent; }
    void setTransparent(bool v) { assign(m_transparent, v, "Transparent"); }

    QVariant declaredDefault(const char *property) const override;

protected:
    bool m_tabStop;
    int m_maxLength = 0;
    bool m_readOnly = false;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    bool m_transparent = false;

    QString m_bGotFocus, m_bDblclick;
    int m_nHelpId = 0;
    bool m_lTransparent = false;

private:
    bool m_tabStopDefault;
};

} // namespace dd
