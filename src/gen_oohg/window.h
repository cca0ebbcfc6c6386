#pragma once
// THWindow: the root of an OOHG design, the window the generated program defines.
#include "model/design_root.h"
#include "model/variables.h"

namespace dd {

class THWindow : public DesignRoot {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Dlg")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cFuncName READ cFuncName WRITE setCFuncName)
    Q_PROPERTY(dd::TTVars *oVars READ oVars WRITE setOVars)
    Q_PROPERTY(dd::TTFunctions *oFunctions READ oFunctions WRITE setOFunctions)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
    Q_PROPERTY(bool lnominimize MEMBER m_lnominimize)
    Q_PROPERTY(bool lnomaximize MEMBER m_lnomaximize)
    Q_PROPERTY(bool lnosize MEMBER m_lnosize)
    Q_PROPERTY(bool lnosysmenu MEMBER m_lnosysmenu)
    Q_PROPERTY(bool lnocaption MEMBER m_lnocaption)
    Q_PROPERTY(bool lnoshow MEMBER m_lnoshow)
    Q_PROPERTY(bool ltopmost MEMBER m_ltopmost)
    Q_PROPERTY(bool lhelpbutton MEMBER m_lhelpbutton)
    Q_PROPERTY(bool lnoautorelease MEMBER m_lnoautorelease)
    Q_PROPERTY(bool lfocused MEMBER m_lfocused)
    Q_PROPERTY(bool lbreak MEMBER m_lbreak)
    Q_PROPERTY(bool lrtl MEMBER m_lrtl)
    Q_PROPERTY(bool lmain MEMBER m_lmain)
    Q_PROPERTY(bool lsplitchild MEMBER m_lsplitchild)
    Q_PROPERTY(bool lchild MEMBER m_lchild)
    Q_PROPERTY(bool lmodal MEMBER m_lmodal)
    Q_PROPERTY(bool lmodalsize MEMBER m_lmodalsize)
    Q_PROPERTY(bool lmdi MEMBER m_lmdi)
    Q_PROPERTY(bool linternal MEMBER m_linternal)
    Q_PROPERTY(bool lmdichild MEMBER m_lmdichild)
    Q_PROPERTY(bool lmdiclient MEMBER m_lmdiclient)
    Q_PROPERTY(bool lclientarea MEMBER m_lclientarea)
    Q_PROPERTY(bool lCentered READ lCentered WRITE setLCentered)
    Q_PROPERTY(QString bPaintProcedure MEMBER m_bPaintProcedure)
    Q_PROPERTY(QString bInitProcedure MEMBER m_bInitProcedure)
    Q_PROPERTY(QString bReleaseProcedure MEMBER m_bReleaseProcedure)
    Q_PROPERTY(QString bMouseDragProcedure MEMBER m_bMouseDragProcedure)
    Q_PROPERTY(QString bSizeProcedure MEMBER m_bSizeProcedure)
    Q_PROPERTY(QString bClickProcedure MEMBER m_bClickProcedure)
    Q_PROPERTY(QString bMouseMoveProcedure MEMBER m_bMouseMoveProcedure)
    Q_PROPERTY(QString bInteractivecloseprocedure MEMBER m_bInteractivecloseprocedure)
    Q_PROPERTY(QString bMaximizeProcedure MEMBER m_bMaximizeProcedure)
    Q_PROPERTY(QString bMinimizeProcedure MEMBER m_bMinimizeProcedure)
    Q_PROPERTY(QString bScrollleft MEMBER m_bScrollleft)
    Q_PROPERTY(QString bScrollright MEMBER m_bScrollright)
    Q_PROPERTY(QString bScrollup MEMBER m_bScrollup)
    Q_PROPERTY(QString bScrolldown MEMBER m_bScrolldown)
    Q_PROPERTY(QString bHScrollBox MEMBER m_bHScrollBox)
    Q_PROPERTY(QString bVScrollBox MEMBER m_bVScrollBox)
    Q_PROPERTY(QString bNotifyLeftClick MEMBER m_bNotifyLeftClick)
    Q_PROPERTY(QString bGotFocusProcedure MEMBER m_bGotFocusProcedure)
    Q_PROPERTY(QString bLostFocusProcedure MEMBER m_bLostFocusProcedure)
public:
    THWindow();

    // The DefineWindow statement, one line.
    QString script() const;

    QString cFuncName() const { return m_cFuncName; }
    void setCFuncName(const QString &v) { assign(m_cFuncName, v, "cFuncName"); }
    TTVars *oVars() const { return m_oVars; }
    void setOVars(TTVars *v) { assign(m_oVars, v, "oVars"); }
    TTFunctions *oFunctions() const { return m_oFunctions; }
    void setOFunctions(TTFunctions *v) { assign(m_oFunctions, v, "oFunctions"); }
    bool lCentered() const { return m_lCentered; }
    void setLCentered(bool v) { assign(m_lCentered, v, "lCentered"); }

    void forgetReference(Component *gone) override;

private:
    QString m_cFuncName;
    TTVars *m_oVars = nullptr;
    TTFunctions *m_oFunctions = nullptr;
    bool m_lnominimize = false, m_lnomaximize = false, m_lnosize = false, m_lnosysmenu = false,
         m_lnocaption = false, m_lnoshow = false, m_ltopmost = false, m_lhelpbutton = false,
         m_lnoautorelease = false, m_lfocused = false, m_lbreak = false, m_lrtl = false, m_lmain = false,
         m_lsplitchild = false, m_lchild = false;
    bool m_lmodal = true;
    bool m_lmodalsize = false, m_lmdi = false, m_linternal = false, m_lmdichild = false, m_lmdiclient = false,
         m_lclientarea = false;
    bool m_lCentered = true;
    QString m_bPaintProcedure, m_bInitProcedure, m_bReleaseProcedure, m_bMouseDragProcedure, m_bSizeProcedure,
        m_bClickProcedure, m_bMouseMoveProcedure, m_bInteractivecloseprocedure, m_bMaximizeProcedure,
        m_bMinimizeProcedure, m_bScrollleft, m_bScrollright, m_bScrollup, m_bScrolldown, m_bHScrollBox,
        m_bVScrollBox, m_bNotifyLeftClick, m_bGotFocusProcedure, m_bLostFocusProcedure;
};

} // namespace dd
