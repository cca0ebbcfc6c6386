#pragma once
// The containers of an ADVPL dialog (panel, group, folder with its pages, scroll box) and the
// picture control.
#include "model/control.h"
#include "model/font_component.h"

namespace dd {

class TTPanel : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Panel")
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
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
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
    explicit TTPanel(DesignRoot *root);
    QString script() const;
};

class TTGroup : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Grp")
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
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
    Q_PROPERTY(dd::TColorA nClrText READ nClrText WRITE setNClrText)
    Q_PROPERTY(dd::TColorA nClrBack READ nClrBack WRITE setNClrBack)
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
    explicit TTGroup(DesignRoot *root);
    QString script() const;
};

class TTaDialogs;

class TTFolder : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Fld")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
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
    explicit TTFolder(DesignRoot *root);
    QString script() const;

    // The folder's pages in page order (its children, which are all pages).
    QList<TTaDialogs *> pages() const;
    // Position of `page` among the visible pages, from 1; 0 for a hidden page or one of
    // another folder.
    int visiblePageNumber(const TTaDialogs *page) const;
};

class TTaDialogs : public Control {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(bool TabVisible READ tabVisible WRITE setTabVisible)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(dd::TToFont *oFont READ oFont WRITE setOFont)
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
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTaDialogs(DesignRoot *root);

    // The folder the page belongs to; none while it is on no folder.
    TTFolder *folder() const;
    // Hidden pages keep their controls but have no tab and no visible-page number.
    bool tabVisible() const { return m_tabVisible; }
    void setTabVisible(bool v) { assign(m_tabVisible, v, "TabVisible"); }
    QVariant declaredDefault(const char *property) const override;

private:
    bool m_tabVisible = true;
};

class TTScrollBox : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "SBox")
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
    Q_PROPERTY(dd::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(dd::ScrollBar VertScrollBar READ vertScrollBar WRITE setVertScrollBar)
    Q_PROPERTY(dd::ScrollBar HorzScrollBar READ horzScrollBar WRITE setHorzScrollBar)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
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
    explicit TTScrollBox(DesignRoot *root);
    QString script() const;

    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle v) { assign(m_borderStyle, v, "BorderStyle"); }
    ScrollBar vertScrollBar() const { return m_vertScrollBar; }
    void setVertScrollBar(ScrollBar v) { assign(m_vertScrollBar, v, "VertScrollBar"); }
    ScrollBar horzScrollBar() const { return m_horzScrollBar; }
    void setHorzScrollBar(ScrollBar v) { assign(m_horzScrollBar, v, "HorzScrollBar"); }
    QVariant declaredDefault(const char *property) const override;

private:
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    ScrollBar m_vertScrollBar;
    ScrollBar m_horzScrollBar;
};

class TTBitmap : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Bmp")
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(QString cResName READ cResName WRITE setCResName)
    Q_PROPERTY(QString cBmpFile READ cBmpFile WRITE setCBmpFile)
    Q_PROPERTY(bool lAutoSize READ lAutoSize WRITE setLAutoSize)
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
    explicit TTBitmap(DesignRoot *root);
    bool isWindowed() const override { return false; }
    QString script() const;

    bool stretch() const { return m_stretch; }
    void setStretch(bool v) { assign(m_stretch, v, "Stretch"); }
    QString cResName() const { return m_cResName; }
    void setCResName(const QString &v) { assign(m_cResName, v, "cResName"); }
    QString cBmpFile() const { return m_cBmpFile; }
    void setCBmpFile(const QString &v) { assign(m_cBmpFile, v, "cBmpFile"); }
    bool lAutoSize() const { return m_lAutoSize; }
    void setLAutoSize(bool v) { assign(m_lAutoSize, v, "lAutoSize"); }
    QVariant declaredDefault(const char *property) const override;

private:
    bool m_stretch = true;
    QString m_cResName;
    QString m_cBmpFile;
    bool m_lAutoSize = false;
};

} // namespace dd
