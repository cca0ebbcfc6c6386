#pragma once
// TTMSDialog: the root of an ADVPL design.
#include "model/design_root.h"
#include "model/font_component.h"
#include "model/variables.h"

namespace dd {

class TTMSDialog : public DesignRoot {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Dlg")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cFuncName READ cFuncName WRITE setCFuncName)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(bool lCentered READ lCentered WRITE setLCentered)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
    Q_PROPERTY(dd::TTVars *oVars READ oVars WRITE setOVars)
    Q_PROPERTY(dd::TTFunctions *oFunctions READ oFunctions WRITE setOFunctions)
    Q_PROPERTY(QString bInit MEMBER m_bInit)
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
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    TTMSDialog();

    QString script() const;
    QString cFuncName() const { return m_cFuncName; }
    void setCFuncName(const QString &v) { assign(m_cFuncName, v, "cFuncName"); }
    bool lCentered() const { return m_lCentered; }
    void setLCentered(bool v) { assign(m_lCentered, v, "lCentered"); }
    TTVars *oVars() const { return m_oVars; }
    void setOVars(TTVars *v) { assign(m_oVars, v, "oVars"); }
    TTFunctions *oFunctions() const { return m_oFunctions; }
    void setOFunctions(TTFunctions *v) { assign(m_oFunctions, v, "oFunctions"); }

    void forgetReference(Component *gone) override;

private:
    QString m_cFuncName;
    bool m_lCentered = true;
    TTVars *m_oVars = nullptr;
    TTFunctions *m_oFunctions = nullptr;
    QString m_bInit;
};

} // namespace dd
