#include "model/class_registry.h"

#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/data_controls.h"
#include "model/dialog.h"
#include "model/enchoice_bar.h"
#include "model/popup_menu.h"
#include "model/text_controls.h"

namespace dd {

const ComponentClass *ClassRegistry::find(QStringView name) const
{
    for (const ComponentClass &c : m_classes)
        if (name.compare(c.name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const ClassRegistry &advplClasses()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        r.add<TTSay>();
        r.add<TTGet>();
        r.add<TTMultiGet>();
        r.add<TTButton>();
        r.add<TTSButton>();
        r.add<TTCheckBox>();
        r.add<TTComboBox>();
        r.add<TTListBox>();
        r.add<TTRadMenu>();
        r.add<TTPopupMenu>();
        r.add<TTPanel>();
        r.add<TTGroup>();
        r.add<TTFolder>();
        r.add<TTaDialogs>();
        r.add<TTScrollBox>();
        r.add<TTBitmap>();
        r.add<TTEnchoice>(QStringLiteral("You can use only one TTEnchoice."));
        r.add<TTEnchoiceBar>(QStringLiteral("You can use only one TTEnchoiceBar."));
        r.add<TTMsSelect>();
        r.add<TTMsNewGetDados>();
        r.add<TTDbTree>();
        r.add<TTCriaTrab>();
        r.add<TTPergunte>();
        r.add<TToFont>();
        r.add<TTVars>();
        r.add<TTFunctions>();
        return r;
    }();
    return registry;
}

Component *createComponent(DesignRoot *root, const ComponentClass &cls, Control *parent, QString *error)
{
    if (!cls.refusal.isEmpty()) {
        for (const Component *c : root->components()) {
            if (cls.name == QString::fromLatin1(c->metaObject()->className()).section(QLatin1String("::"), -1)) {
                if (error)
                    *error = cls.refusal;
                return nullptr;
            }
        }
    }
    Component *component = cls.construct(root);
    root->adopt(component);
    if (auto *control = qobject_cast<Control *>(component))
        control->setParentControl(parent ? parent : root);
    return component;
}

} // namespace dd
