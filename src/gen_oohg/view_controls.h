#pragma once
// The controls of an OOHG window that show data: the browse, the image and the tree.
#include "gen_oohg/oohg_control.h"
#include "model/collection.h"

namespace dd {

struct ColumnTitle {
    Q_GADGET
    Q_PROPERTY(QString Caption MEMBER caption)
public:
    QString caption;
    friend bool operator==(const ColumnTitle &, const ColumnTitle &) = default;
};

// A column of the browse's grid, as the grid kind stores it.
class THBrowseColumn : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString FieldName MEMBER m_fieldName)
    Q_PROPERTY(dd::ColumnTitle Title MEMBER m_title)
public:
    using CollectionItem::CollectionItem;
    QString fieldName() const { return m_fieldName; }
    ColumnTitle title() const { return m_title; }
    void setTitle(const ColumnTitle &v) { m_title = v; }

private:
    QString m_fieldName;
    ColumnTitle m_title;
};

// The browse writes no statement of its own; the program still declares its variable.
class THBrowse : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Brw")
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(dd::ItemCollection *Columns READ columns CONSTANT)
    Q_PROPERTY(QString Alias MEMBER m_alias)
    Q_PROPERTY(QString cFiltro MEMBER m_cFiltro)
    Q_PROPERTY(int AliasOrder MEMBER m_aliasOrder)
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
    explicit THBrowse(DesignRoot *root);
    ItemCollection *columns() const { return m_columns; }

private:
    ItemCollection *m_columns;
    QString m_alias, m_cFiltro;
    int m_aliasOrder = 0;
};

class THImage : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Img")
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(QString cMsg MEMBER m_cMsg)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(bool Stretch MEMBER m_stretch)
    Q_PROPERTY(QString HBitmap MEMBER m_hBitmap)
    Q_PROPERTY(QString cFileName MEMBER m_cFileName)
    Q_PROPERTY(bool lAutoSize MEMBER m_lAutoSize)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString Prename READ preName)
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
public:
    explicit THImage(DesignRoot *root);
    bool isWindowed() const override { return false; }
    QString scriptAt(qsizetype componentIndex) const override;

private:
    bool m_stretch = true;
    QString m_hBitmap, m_cFileName;
    bool m_lAutoSize = false;
};

// The tree keeps its parent's font, as the tree kind does.
class THTree : public OohgControl {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Tree")
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(QString cToolTip MEMBER m_cToolTip)
    Q_PROPERTY(bool lCargo MEMBER m_lCargo)
    Q_PROPERTY(bool lDisable MEMBER m_lDisable)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bRClick MEMBER m_bRClick)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
public:
    explicit THTree(DesignRoot *root);
    QString scriptAt(qsizetype componentIndex) const override;

    // The top-level nodes with their children, in the tree's own order.
    const QList<TreeNode> &nodes() const { return m_nodes; }
    void setNodes(const QList<TreeNode> &v) { assign(m_nodes, v, "Items"); }

private:
    bool m_lCargo = false, m_lDisable = false;
    QString m_bRClick;
    QList<TreeNode> m_nodes;
};

} // namespace dd
