#include "model/containers.h"

#include <cstring>

namespace dd {

TTPanel::TTPanel(DesignRoot *root) : Control(root) { m_parentFont = false; }

TTGroup::TTGroup(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

TTFolder::TTFolder(DesignRoot *root) : Control(root) { m_parentFont = false; }

QList<TTaDialogs *> TTFolder::pages() const
{
    QList<TTaDialogs *> pages;
    for (Control *child : childControls())
        if (auto *page = qobject_cast<TTaDialogs *>(child))
            pages.append(page);
    return pages;
}

int TTFolder::visiblePageNumber(const TTaDialogs *page) const
{
    if (!page->tabVisible())
        return 0;
    int number = 0;
    for (const TTaDialogs *p : pages()) {
        if (p->tabVisible())
            ++number;
        if (p == page)
            return number;
    }
    return 0;
}

TTaDialogs::TTaDialogs(DesignRoot *root) : Control(root) {}

TTFolder *TTaDialogs::folder() const { return qobject_cast<TTFolder *>(parentControl()); }

QVariant TTaDialogs::declaredDefault(const char *property) const
{
    if (std::strcmp(property, "TabVisible") == 0)
        return true;
    return Control::declaredDefault(property);
}

TTScrollBox::TTScrollBox(DesignRoot *root) : Control(root) {}

QVariant TTScrollBox::declaredDefault(const char *property) const
{
    if (std::strcmp(property, "BorderStyle") == 0)
        return QVariant::fromValue(TBorderStyle::bsSingle);
    return Control::declaredDefault(property);
}

TTBitmap::TTBitmap(DesignRoot *root) : Control(root) {}

QVariant TTBitmap::declaredDefault(const char *property) const
{
    // The image kind declares Stretch false; a new picture control stretches, so it is written.
    if (std::strcmp(property, "Stretch") == 0)
        return false;
    return Control::declaredDefault(property);
}

} // namespace dd
