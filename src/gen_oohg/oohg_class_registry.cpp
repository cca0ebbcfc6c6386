// The classes an OOHG run knows by name.
#include "gen_oohg/button_controls.h"
#include "gen_oohg/choice_controls.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/text_controls.h"
#include "gen_oohg/view_controls.h"
#include "model/class_registry.h"
#include "model/variables.h"

namespace dd {

const ClassRegistry &oohgClasses()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        r.add<THLabel>();
        r.add<THEdit>();
        r.add<THEditRich>();
        r.add<THButton>();
        r.add<THComboBox>();
        r.add<THListBox>();
        r.add<THFrame>();
        r.add<THRadioGroup>();
        r.add<THCheckBox>();
        r.add<THTab>();
        r.add<THPage>();
        r.add<THBrowse>();
        r.add<THImage>();
        r.add<THTree>();
        r.add<TTVars>();
        r.add<TTFunctions>();
        return r;
    }();
    return registry;
}

} // namespace dd
