#pragma once
// The push button and the check box of an OOHG window.
#include "gen_oohg/oohg_control.h"

namespace dd {

class THButton : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Btn")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool lDefault MEMBER m_lDefault)
    Q_PROPERTY(bool lTransparent MEMBER m_lTransparent)
    Q_PROPERTY(int nHelpID MEMBER m_nHelpId)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(bool lTabStop MEMBER m_lTabStop)
    Q_PROPERTY(bool lFlat MEMBER m_lFlat)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
    Q_PROPERTY(QString bAction MEMBER m_bAction)
    Q_PROPERTY(QString bGotFocus MEMBER m_bGotFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
public:
    explicit THButton(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;

private:
    bool m_lDefault = false, m_lTabStop = false, m_lFlat = false;
};

class THCheckBox : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Chk")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool lTransparent MEMBER m_lTransparent)
    Q_PROPERTY(int nHelpID MEMBER m_nHelpId)
    Q_PROPERTY(bool lLeftJustify MEMBER m_lLeftJustify)
    Q_PROPERTY(bool lThreeState MEMBER m_lThreeState)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGotFocus MEMBER m_bGotFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
public:
    explicit THCheckBox(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;

private:
    bool m_lLeftJustify = false, m_lThreeState = false;
};

} // namespace dd
