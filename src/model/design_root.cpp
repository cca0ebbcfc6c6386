#include "model/design_root.h"



namespace dd {
namespace {

constexpr int kHighestNumber = 32768;

// Splits "oSay12" into "osay" and 12; names without a canonical trailing number give 0.
int trailingNumber(const QString &name, QString *base)
{
    qsizetype i = name.size();
    while (i > 0 && name[i - 1].isDigit() && name[i - 1].unicode() < 128)
        --i;
    if (i == name.size() || i == 0 || name[i] == QLatin1Char('0') || name.size() - i > 5)
        return 0;
    const int number = QStringView(name).mid(i).toInt();
    if (number > kHighestNumber)
        return 0;
    *base = name.left(i).toLower();
    return number;
}

} // namespace

DesignRoot::DesignRoot() : Control(nullptr)
{
    m_root = this;
    m_color = Color{Color::clWhite};
    m_parentFont = false;
    m_formDesigner = new FormDesigner(this);
    adopt(m_formDesigner);
    m_formDesigner->setName(QStringLiteral("cmpFormDesigner"));
}

DesignRoot::~DesignRoot()
{
    // Everything the root owns goes while the root is still whole, so no component sees a
    // half-destroyed root.
    m_destroying = true;
    while (!children().isEmpty())
        delete children().constFirst();
}

qsizetype DesignRoot::indexOf(const Component *component) const
{
    return m_components.indexOf(const_cast<Component *>(component));
}

void DesignRoot::adopt(Component *component)
{
    m_components.append(component);
    component->m_registered = true;
    component->m_referenceTarget = component->isReferenceTarget();
    if (!component->name().isEmpty())
        nameChanged(component, QString(), component->name());
}

void DesignRoot::clearComponents()
{
    // Only the root may refer to its components from outside them; containers delete the
    // controls on them.
    QList<Component *> doomed;
    for (Component *c : std::as_const(m_components)) {
        if (c == m_formDesigner)
            continue;
        if (c->m_referenceTarget)
            forgetReference(c);
        const auto *control = qobject_cast<Control *>(c);
        if (!control || !control->parentControl() || control->parentControl() == this)
            doomed.append(c);
    }
    m_destroying = true;
    qDeleteAll(doomed);
    m_destroying = false;
    m_components = {m_formDesigner};
    m_byName.clear();
    m_numbers.clear();
    nameChanged(m_formDesigner, QString(), m_formDesigner->name());
    m_enchoiceBar = nullptr;
}

void DesignRoot::destroyComponent(Component *component)
{
    if (component == m_formDesigner || indexOf(component) < 0)
        return;
    delete component;
}

Component *DesignRoot::findComponent(QStringView name) const
{
    return m_byName.value(name.toString().toLower(), nullptr);
}

void DesignRoot::unregister(Component *component)
{
    const qsizetype index = m_components.lastIndexOf(component);
    if (index < 0)
        return;
    m_components.removeAt(index);
    component->m_registered = false;
    nameChanged(component, component->name(), QString());
    if (component == m_enchoiceBar)
        m_enchoiceBar = nullptr;
    if (component->m_referenceTarget) {
        forgetReference(component);
        for (Component *c : std::as_const(m_components))
            c->forgetReference(component);
    }
}

void DesignRoot::nameChanged(Component *component, const QString &oldName, const QString &newName)
{
    if (!oldName.isEmpty()) {
        const QString key = oldName.toLower();
        auto it = m_byName.find(key);
        if (it != m_byName.end() && it.value() == component) {
            m_byName.erase(it);
            trackName(oldName, -1);
        }
    }
    if (!newName.isEmpty()) {
        m_byName.insert(newName.toLower(), component);
        trackName(newName, +1);
    }
}

void DesignRoot::trackName(const QString &name, int delta)
{
    QString base;
    const int number = trailingNumber(name, &base);
    if (number == 0)
        return;
    NumberSet &set = m_numbers[base];
    if (delta > 0) {
        set.used.insert(number);
    } else {
        set.used.erase(number);
        if (number < set.lowestFree)
            set.lowestFree = number;
    }
}

int DesignRoot::smallestFreeNumber(const QString &base, int from)
{
    NumberSet &set = m_numbers[base.toLower()];
    const bool fromLowest = from <= set.lowestFree;
    int n = fromLowest ? set.lowestFree : from;
    while (n <= kHighestNumber && set.used.count(n))
        ++n;
    if (fromLowest)
        set.lowestFree = n;
    return n;
}

bool DesignRoot::assignComponentName(Component *component, const QString &prefix)
{
    const QString base = QLatin1Char('o') + prefix;
    const int n = smallestFreeNumber(base, 1);
    if (n > kHighestNumber)
        return false;
    return component->setName(base + QString::number(n));
}

void DesignRoot::renameOnLoad(Component *component, const QString &storedName)
{
    if (storedName.isEmpty())
        return;
    if (!findComponent(storedName)) {
        component->setName(storedName);
        return;
    }
    const QString base = QLatin1Char('o')
        + (component->hasPreName() ? component->preName() : QStringLiteral("Define"));
    const int n = smallestFreeNumber(base, 2);
    if (n <= kHighestNumber)
        component->setName(base + QString::number(n));
}

void DesignRoot::forgetReference(Component *gone)
{
    Control::forgetReference(gone);
    if (gone == m_enchoiceBar)
        m_enchoiceBar = nullptr;
}

} // namespace dd
