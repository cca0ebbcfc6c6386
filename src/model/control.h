#pragma once
// A visual control: position, parent, stacking order, and the storage of the attributes the
// control classes share. Each class publishes only the attributes its kind has.
#include <QList>
#include <QStringList>

#include "model/component.h"
#include "model/enums.h"
#include "model/values.h"

namespace dd {

class TToFont;

class Control : public Component {
    Q_OBJECT
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_MOC_INCLUDE("model/font_component.h")
public:
    explicit Control(DesignRoot *root);
    ~Control() override;

    bool isVisual() const override { return true; }
    // Labels and images are drawn by their parent; every other control has a window.
    virtual bool isWindowed() const { return true; }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setLeft(int v) { assign(m_left, v, "Left"); }
    void setTop(int v) { assign(m_top, v, "Top"); }
    void setWidth(int v) { assign(m_width, v, "Width"); }
    void setHeight(int v) { assign(m_height, v, "Height"); }
    void setBounds(int left, int top, int width, int height);

    // The container the control is placed on; none for the root.
    Control *parentControl() const { return m_parent; }
    // Moves the control to `parent`, on top of its stacking order.
    void setParentControl(Control *parent);
    // Children in stacking order, bottom-most first.
    const QList<Control *> &stackingOrder() const { return m_children; }
    // Children in the order generators and files use: non-windowed ones, then windowed ones.
    QList<Control *> childControls() const;
    void bringToFront();
    void sendToBack();

    // Base attributes.
    QString caption() const { return m_caption; }
    void setCaption(const QString &v) { assign(m_caption, v, "Caption"); }
    dd::Color color() const { return m_color; }
    void setColor(dd::Color v) { assign(m_color, v, "Color"); }
    dd::Font font() const { return m_font; }
    void setFont(const dd::Font &v);
    // While true the control shows its parent's font and its own is not stored.
    bool parentFont() const { return m_parentFont; }
    void setParentFont(bool v) { assign(m_parentFont, v, "ParentFont"); }
    dd::Font effectiveFont() const;
    bool enabled() const { return m_enabled; }
    void setEnabled(bool v) { assign(m_enabled, v, "Enabled"); }
    bool visible() const { return m_visible; }
    void setVisible(bool v) { assign(m_visible, v, "Visible"); }
    int tabOrder() const { return m_tabOrder; }
    void setTabOrder(int v) { assign(m_tabOrder, v, "TabOrder"); }
    QStringList items() const { return m_items; }
    void setItems(const QStringList &v) { assign(m_items, v, "Items"); }
    int itemIndex() const { return m_itemIndex; }
    void setItemIndex(int v) { assign(m_itemIndex, v, "ItemIndex"); }
    bool checked() const { return m_checked; }
    void setChecked(bool v) { assign(m_checked, v, "Checked"); }
    bool showHint() const { return m_showHint; }
    void setShowHint(bool v) { assign(m_showHint, v, "ShowHint"); }

    // Attributes shared by the ADVPL control classes.
    QString cVariable() const { return m_cVariable; }
    // Stores the typed variable name and, for entry controls, rebuilds the set-get block.
    void setCVariable(const QString &v);
    TTypeGet tType() const { return m_tType; }
    // Stores the type, retypes the variable and fixes the length.
    void setTType(TTypeGet v);
    int nLength() const { return m_nLength; }
    void setNLength(int v);
    TColorA nClrText() const { return m_nClrText; }
    void setNClrText(TColorA v);
    TColorA nClrBack() const { return m_nClrBack; }
    void setNClrBack(TColorA v);
    TToFont *oFont() const { return m_oFont; }
    // Copies the referenced font (or a default one) into the control's own font.
    void setOFont(TToFont *font);
    QString cMsg() const { return m_cMsg; }
    QString cToolTip() const { return m_cToolTip; }
    QString bSetGet() const { return m_bSetGet; }
    void setBSetGet(const QString &v) { assign(m_bSetGet, v, "bSetGet"); }
    QString bAction() const { return m_bAction; }
    QString bChange() const { return m_bChange; }
    QString bLClicked() const { return m_bLClicked; }
    QString bRClicked() const { return m_bRClicked; }
    QString bLDBLClick() const { return m_bLDBLClick; }
    QString bWhen() const { return m_bWhen; }
    QString bValid() const { return m_bValid; }
    bool lReadOnly() const { return m_lReadOnly; }
    QStringList execBefore() const { return m_ExecBefore; }
    QStringList execAfter() const { return m_ExecAfter; }

    QVariant declaredDefault(const char *property) const override;
    bool isStored(const char *property) const override;
    void forgetReference(Component *gone) override;

protected:
    // The type letter and set-get rule of the class's `cVariable`.
    virtual QChar variableTypeLetter() const { return QLatin1Char('c'); }
    virtual bool rebuildsSetGet() const { return true; }
    // Whether setting `oFont` re-applies the text colour (classes publishing nClrText do).
    bool appliesTextColor() const { return publishes("nClrText"); }
    // Classes with colour properties show their palette colours from creation on.
    void showPaletteColors();

    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QString m_caption;
    dd::Color m_color{Color::clBtnFace};
    dd::Font m_font;
    bool m_parentFont = true;
    bool m_enabled = true;
    bool m_visible = true;
    int m_tabOrder = 0;
    QStringList m_items;
    int m_itemIndex = -1;
    bool m_checked = false;
    bool m_showHint = false;

    // Common flags, event blocks and execution lists; published as MEMBER properties.
    bool m_l3DLook = false, m_lReadOnly = false, m_lVisibleControl = true, m_lModified = false;
    QString m_Cargo;
    bool m_lActive = true;
    QString m_bChange, m_bGetFocus, m_bLostFocus, m_bKeyDown, m_bPainted, m_bLClicked,
        m_bRClicked, m_bLDBLClick, m_bWhen, m_bValid;
    QStringList m_ExecAfter, m_ExecBefore;

    QString m_cVariable;
    TTypeGet m_tType = TTypeGet::tgCaracter;
    int m_nLength = 1;
    TColorA m_nClrText = TColorA::CLR_BLACK;
    TColorA m_nClrBack = TColorA::CLR_WHITE;
    TToFont *m_oFont = nullptr;
    QString m_cMsg, m_cToolTip, m_bSetGet, m_bAction;

private:
    void fixLength();
    Control *m_parent = nullptr;
    QList<Control *> m_children;
};

} // namespace dd
