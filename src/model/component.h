#pragma once
// The base of every design component: a name, its root, and change notification.
#include <QObject>
#include <QString>
#include <QVariant>

namespace dd {

class DesignRoot;

class Component : public QObject {
    Q_OBJECT
public:
    explicit Component(DesignRoot *root);
    ~Component() override;

    DesignRoot *root() const { return m_root; }
    QString name() const { return objectName(); }
    // Renames the component; refused (false) when another component of the root has the name.
    bool setName(const QString &name);

    // The naming prefix of the class ("Say" for TTSay); empty for classes without one.
    QString preName() const;
    bool hasPreName() const;

    // True when the class publishes a property of this name.
    bool publishes(const char *property) const;

    virtual bool isVisual() const { return false; }

    // Position of a non-visual component's icon on the design surface.
    int iconLeft() const { return m_iconLeft; }
    int iconTop() const { return m_iconTop; }
    void setIconPosition(int left, int top);

    // The declared default of an ordinal property (written to files only when it differs);
    // invalid when the property declares none.
    virtual QVariant declaredDefault(const char *property) const;
    // False when the property's stored-condition says not to write it.
    virtual bool isStored(const char *property) const;

    // Checks a value before a generic write (design files, inspector); a non-empty result is
    // the error message and the old value stays.
    virtual QString validateWrite(const char *property, const QVariant &value) const;

    // Whether other components can refer to this one (fonts, lists, menus, tables).
    virtual bool isReferenceTarget() const { return false; }
    // Clears every reference this component holds to `gone`, which is being deleted.
    virtual void forgetReference(Component *gone);
    // Called once a design file has been read completely and references are resolved.
    virtual void finishLoading() {}

    // Reports a message to the user during generation; generation goes on.
    void warn(const QString &message) const;

Q_SIGNALS:
    // Emitted after a published property changed; views follow the model through it.
    void propertyChanged(const char *property);

protected:
    template <typename T>
    bool assign(T &field, const T &value, const char *property)
    {
        if (field == value)
            return false;
        field = value;
        Q_EMIT propertyChanged(property);
        return true;
    }

private:
    friend class DesignRoot;
    DesignRoot *m_root;
    int m_iconLeft = 0;
    int m_iconTop = 0;
    // Taken when the root adopts the component, while its whole class is still alive.
    bool m_referenceTarget = false;
    bool m_registered = false; // in the root's list of design components
};

} // namespace dd
