#include "model/enchoice_bar.h"

#include "model/design_root.h"

namespace dd {

TTEnchoiceBar::TTEnchoiceBar(DesignRoot *root)
    : Control(root), m_buttons(new ItemCollection(this, [](ItemCollection *c) { return new TaButton(c); }))
{
    if (root)
        root->setEnchoiceBar(this);
}

TTEnchoiceBar::~TTEnchoiceBar()
{
    // Also covers a bar that never joined the design's component list.
    DesignRoot *r = root();
    if (r && !r->isDestroying() && r->enchoiceBar() == this)
        r->setEnchoiceBar(nullptr);
}

} // namespace dd
