// Creation statements of the image and the tree; the browse has none.
#include "gen_advpl/formatting.h"
#include "gen_oohg/statement_arguments.h"
#include "gen_oohg/view_controls.h"

namespace dd {
namespace {

// Each node in the tree's order, parents before their children; only leaves close a node.
void appendNodeLines(QString &text, const QList<TreeNode> &nodes, bool topLevel)
{
    for (const TreeNode &node : nodes) {
        text += (topLevel ? QLatin1String("_DefineTree(") : QLatin1String("_DefineTreeItem("))
            + quotedText(node.text) + QLatin1String(",,)\r");
        if (node.children.isEmpty())
            text += QLatin1String("_EndTreeNode()\r");
        appendNodeLines(text, node.children, false);
    }
}

} // namespace

QString THImage::scriptAt(qsizetype) const
{
    StatementArguments a(17);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, quotedText(m_cFileName));
    a.set(6, coordinateText(width()));
    a.set(7, coordinateText(height()));
    a.set(8, m_bAction);
    a.set(10, notText(visible()));
    a.set(11, logicalText(m_stretch));
    a.set(16, quotedText(m_hBitmap));
    return a.statement(*this, QStringLiteral(" := TImage():Define("));
}

QString THTree::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(25);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    // The library's tree takes its row before its column.
    a.set(3, coordinateText(top()));
    a.set(4, coordinateText(left()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(8, quotedText(m_cToolTip));
    a.set(9, font.face);
    a.set(10, font.size);
    a.set(14, QStringLiteral(".F."));
    a.set(20, font.bold);
    a.set(21, font.italic);
    a.set(22, font.underline);
    a.set(23, font.strikeout);
    QString text = a.statement(*this, QStringLiteral(" := TTree():Define(")) + QLatin1Char('\r');
    appendNodeLines(text, m_nodes, true);
    return text + QLatin1String("_EndTree()");
}

} // namespace dd
