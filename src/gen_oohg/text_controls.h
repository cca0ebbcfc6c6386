#pragma once
// The text controls of an OOHG window: label, one-line edit and rich multi-line edit.
#include "gen_oohg/oohg_control.h"

namespace dd {

class THLabel : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Lbl")
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(bool lBorder MEMBER m_lBorder)
    Q_PROPERTY(bool lClientEdge MEMBER m_lClientEdge)
    Q_PROPERTY(bool lHScroll MEMBER m_lHScroll)
    Q_PROPERTY(bool lVScroll MEMBER m_lVScroll)
    Q_PROPERTY(TLAlign ctAlign MEMBER m_ctAlign)
    Q_PROPERTY(int nHelpId MEMBER m_nHelpId)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
    Q_PROPERTY(dd::TAlign Align MEMBER m_align)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(QString bAction MEMBER m_bAction)
    Q_PROPERTY(QString bSetGet MEMBER m_bSetGet)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGetFocus MEMBER m_bGetFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
    Q_PROPERTY(QString bPainted MEMBER m_bPainted)
    Q_PROPERTY(QString bLClicked MEMBER m_bLClicked)
    Q_PROPERTY(QString bRClicked MEMBER m_bRClicked)
    Q_PROPERTY(QString bLDBLClick MEMBER m_bLDBLClick)
    Q_PROPERTY(QString bWhen MEMBER m_bWhen)
    Q_PROPERTY(QString bValid MEMBER m_bValid)
public:
    enum class TLAlign { LEFTALIGN, CENTERALIGN, RIGHTALIGN };
    Q_ENUM(TLAlign)

    explicit THLabel(DesignRoot *root);
    bool isWindowed() const override { return false; }
    QString scriptAt(qsizetype componentIndex) const override;

private:
    bool m_lBorder = false, m_lClientEdge = false, m_lHScroll = false, m_lVScroll = false;
    TLAlign m_ctAlign = TLAlign::LEFTALIGN;
    TAlign m_align = TAlign::alNone;
};

class THEditRich : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "ERic")
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cVariable READ cVariable WRITE setCVariable)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
    Q_PROPERTY(QString bSetGet READ bSetGet WRITE setBSetGet)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGotFocus MEMBER m_bGotFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
    Q_PROPERTY(QString bKeyDown MEMBER m_bKeyDown)
    Q_PROPERTY(QString bPainted MEMBER m_bPainted)
    Q_PROPERTY(QString bLClicked MEMBER m_bLClicked)
    Q_PROPERTY(QString bRClicked MEMBER m_bRClicked)
    Q_PROPERTY(QString bLDBLClick MEMBER m_bLDBLClick)
    Q_PROPERTY(QString bWhen MEMBER m_bWhen)
    Q_PROPERTY(QString bValid MEMBER m_bValid)
public:
    explicit THEditRich(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;
};

class THEdit : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Edt")
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cF3 MEMBER m_cF3)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString Picture MEMBER m_picture)
    Q_PROPERTY(bool lPassword MEMBER m_lPassword)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(int nLength READ nLength WRITE setNLength)
    Q_PROPERTY(dd::TTypeGet tType READ tType WRITE setEditType)
    Q_PROPERTY(int nHelpId MEMBER m_nHelpId)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
    Q_PROPERTY(QString bSetGet READ bSetGet WRITE setBSetGet)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGetFocus MEMBER m_bGetFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
    Q_PROPERTY(QString bKeyDown MEMBER m_bKeyDown)
    Q_PROPERTY(QString bPainted MEMBER m_bPainted)
    Q_PROPERTY(QString bLClicked MEMBER m_bLClicked)
    Q_PROPERTY(QString bRClicked MEMBER m_bRClicked)
    Q_PROPERTY(QString bLDBLClick MEMBER m_bLDBLClick)
    Q_PROPERTY(QString bWhen MEMBER m_bWhen)
    Q_PROPERTY(QString bValid MEMBER m_bValid)
public:
    explicit THEdit(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;
    // Stores the type; the length becomes 1 for a character type and 0 for any other.
    void setEditType(TTypeGet type);
    QVariant declaredDefault(const char *property) const override;

private:
    QString m_cF3, m_picture;
    bool m_lPassword = false;
};

} // namespace dd
