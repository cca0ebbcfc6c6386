#pragma once
// The buttons and choice controls of an ADVPL dialog: push button, standard picture button,
// check box, combo box, list box and radio menu.
#include "model/control.h"
#include "model/font_component.h"
#include "model/popup_menu.h"

namespace dd {

// The bitmap of standard picture `nType` (1 to 23) of a TTSButton; empty for other numbers.
QString standardPictureName(int nType);

class TTButton : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Btn")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
    Q_PROPERTY(dd::TTPopupMenu *PopupMenu READ popupMenu WRITE setPopupMenu)
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
    Q_PROPERTY(QString bAction MEMBER m_bAction)
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTButton(DesignRoot *root);
    QString script() const;
    TTPopupMenu *popupMenu() const { return m_popupMenu; }
    void setPopupMenu(TTPopupMenu *menu) { assign(m_popupMenu, menu, "PopupMenu"); }
    void forgetReference(Component *gone) override;

private:
    TTPopupMenu *m_popupMenu = nullptr;
};

class TTSButton : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "SBtn")
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(int nType READ nType WRITE setNType)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(QString bAction MEMBER m_bAction)
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
    explicit TTSButton(DesignRoot *root);
    QString script() const;
    // Any number is kept; only 1 to 23 name a standard picture.
    int nType() const { return m_nType; }
    void setNType(int v) { assign(m_nType, v, "nType"); }
    QVariant declaredDefault(const char *property) const override;

private:
    int m_nType = 1;
};

class TTCheckBox : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "CBox")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(QString cVariable READ cVariable WRITE setCVariable)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
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
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTCheckBox(DesignRoot *root);
    QString script() const;

protected:
    QChar variableTypeLetter() const override { return QLatin1Char('l'); }
};

class TTComboBox : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "CBox")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cVariable READ cVariable WRITE setCVariable)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
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
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTComboBox(DesignRoot *root);
    QString script() const;

protected:
    QChar variableTypeLetter() const override { return QLatin1Char('n'); }
};

class TTListBox : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "LBox")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
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
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTListBox(DesignRoot *root);
    QString script() const;
};

class TTRadMenu : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "RMenu")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(QString cVariable READ cVariable WRITE setCVariable)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGetFocus MEMBER m_bGetFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
    Q_PROPERTY(QString bKeyDown MEMBER m_bKeyDown)
    Q_PROPERTY(QString bPainted MEMBER m_bPainted)
    Q_PROPERTY(QString bLClicked MEMBER m_bLClicked)
    Q_PROPERTY(QString bRClicked MEMBER m_bRClicked)
    Q_PROPERTY(QString bLDBLClick MEMBER m_bLDBLClick)
    Q_PROPERTY(QString bSetGet READ bSetGet WRITE setBSetGet)
    Q_PROPERTY(QString bWhen MEMBER m_bWhen)
    Q_PROPERTY(QString bValid MEMBER m_bValid)
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTRadMenu(DesignRoot *root);
    QString script() const;

protected:
    QChar variableTypeLetter() const override { return QLatin1Char('n'); }
};

} // namespace dd
