#pragma once
// The component classes a run knows by name: files name classes, the palette creates them.
#include <QList>
#include <QString>

#include <functional>

namespace dd {

class Component;
class Control;
class DesignRoot;

struct ComponentClass {
    QString name;
    std::function<Component *(DesignRoot *)> construct;
    // Classes of which a root may hold only one refuse a second with this message.
    QString refusal;
};

class ClassRegistry {
public:
    template <typename T>
    void add(const QString &refusal = {})
    {
        m_classes.append({QString::fromLatin1(T::staticMetaObject.className()).section(QLatin1String("::"), -1),
                          [](DesignRoot *root) -> Component * { return new T(root); }, refusal});
    }
    const ComponentClass *find(QStringView name) const;
    const QList<ComponentClass> &classes() const { return m_classes; }

private:
    QList<ComponentClass> m_classes;
};

// The classes of an ADVPL run; the variable and function lists are shared with OOHG runs.
const ClassRegistry &advplClasses();

// The classes of an OOHG run: the window's controls and the shared lists (defined with the
// OOHG classes, in gen_oohg).
const ClassRegistry &oohgClasses();

// Creates a component of `cls` owned by `root` and placed on `parent` (for controls).
// Returns nullptr with `error` set when the root refuses it.
Component *createComponent(DesignRoot *root, const ComponentClass &cls, Control *parent, QString *error);

} // namespace dd
