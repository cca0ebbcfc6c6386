#include "gen_oohg/view_controls.h"

namespace dd {

THBrowse::THBrowse(DesignRoot *root)
    : OohgControl(root),
      m_columns(new ItemCollection(this, [](ItemCollection *c) { return new THBrowseColumn(c); }))
{
    m_parentFont = false;
    m_color = kWindowColor;
    m_width = 281;
    auto *column = static_cast<THBrowseColumn *>(m_columns->add());
    column->setTitle({QStringLiteral("Title")});
}

THImage::THImage(DesignRoot *root) : OohgControl(root) {}

THTree::THTree(DesignRoot *root) : OohgControl(root) { m_color = kWindowColor; }

} // namespace dd
