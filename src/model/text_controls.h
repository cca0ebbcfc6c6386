#pragma once
// The text controls of an ADVPL dialog: label, one-line get and multi-line get.
#include "model/control.h"
#include "model/font_component.h"

namespace dd {

class TTSay : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Say")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool AutoSize MEMBER m_autoSize)
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
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(int nLength READ nLength WRITE setNLength)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
    Q_PROPERTY(dd::TTypeGet tType READ tType WRITE setTType)
    Q_PROPERTY(dd::TAlign Align MEMBER m_align)
    Q_PROPERTY(bool WordWrap MEMBER m_wordWrap)
    Q_PROPERTY(bool Transparent MEMBER m_transparent)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
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
    explicit TTSay(DesignRoot *root);
    bool isWindowed() const override { return false; }
    QString script() const;
    QVariant declaredDefault(const char *property) const override;
    bool autoSize() const { return m_autoSize; }
    bool wordWrap() const { return m_wordWrap; }
    bool transparent() const { return m_transparent; }

protected:
    QChar variableTypeLetter() const override { return typeLetter(m_tType); }
    bool rebuildsSetGet() const override { return false; }

private:
    bool m_autoSize = false;
    TAlign m_align = TAlign::alNone;
    bool m_wordWrap = false;
    bool m_transparent = false;
};

class TTGet : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Get")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(bool lCenter MEMBER m_lCenter)
    Q_PROPERTY(bool lRight MEMBER m_lRight)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString cF3 MEMBER m_cF3)
    Q_PROPERTY(QString cVariable READ cVariable WRITE setCVariable)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString Picture MEMBER m_picture)
    Q_PROPERTY(bool lPassword MEMBER m_lPassword)
    Q_PROPERTY(bool lHasButton MEMBER m_lHasButton)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(int nLength READ nLength WRITE setNLength)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
    Q_PROPERTY(dd::TTypeGet tType READ tType WRITE setTType)
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
    explicit TTGet(DesignRoot *root);
    QString script() const;
    bool lCenter() const { return m_lCenter; }
    bool lRight() const { return m_lRight; }
    QString cF3() const { return m_cF3; }
    QString picture() const { return m_picture; }
    bool lPassword() const { return m_lPassword; }

protected:
    QChar variableTypeLetter() const override { return typeLetter(m_tType); }

private:
    bool m_lCenter = false, m_lRight = false, m_lPassword = false, m_lHasButton = false;
    QString m_cF3, m_picture;
};

class TTMultiGet : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "MGet")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
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
    Q_PROPERTY(QString cVariable READ cVariable WRITE setCVariable)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
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
    explicit TTMultiGet(DesignRoot *root);
    QString script() const;
};

} // namespace dd
