#include "gen_oohg/oohg_control.h"

#include <cstring>

#include "model/design_root.h"

namespace dd {

OohgControl::OohgControl(DesignRoot *root, bool tabStop)
    : Control(root), m_tabStop(tabStop), m_tabStopDefault(tabStop)
{
}

QString OohgControl::script() const { return scriptAt(root()->indexOf(this)); }

QString OohgControl::scriptAt(qsizetype) const { return {}; }

QVariant OohgControl::declaredDefault(const char *property) const
{
    // The defaults the toolkit's control kinds declare for these attributes.
    static constexpr const char *kFalseByDefault[] = {"ReadOnly", "WordWrap", "Transparent", "Checked", "Stretch"};
    for (const char *name : kFalseByDefault)
        if (std::strcmp(property, name) == 0)
            return false;
    if (std::strcmp(property, "Enabled") == 0 || std::strcmp(property, "AutoSize") == 0)
        return true;
    if (std::strcmp(property, "TabStop") == 0)
        return m_tabStopDefault;
    if (std::strcmp(property, "MaxLength") == 0)
        return 0;
    return Control::declaredDefault(property);
}

} // namespace dd
