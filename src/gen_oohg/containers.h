#pragma once
// The containers of an OOHG window: the frame, and the tab with its pages.
#include "gen_oohg/oohg_control.h"

namespace dd {

class THFrame : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Fram")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool lOpaque MEMBER m_lOpaque)
    Q_PROPERTY(bool lTransparent MEMBER m_lTransparent)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
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
    explicit THFrame(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;

private:
    bool m_lOpaque = false;
};

class THTab : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Tab")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
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
    explicit THTab(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;
};

// A page of a THTab. It writes no statement: the tab's statement stands for its pages.
class THPage : public OohgControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
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
    explicit THPage(DesignRoot *root);
};

} // namespace dd
