#pragma once
// The root of a design: the designed window, owner of every design component.
#include <QHash>
#include <QList>

#include <functional>
#include <set>

#include "model/control.h"

namespace dd {

class FormDesigner;

// Receives the messages a design shows the user while its texts are computed.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void message(const QString &text) = 0;
};

class DesignRoot : public Control {
    Q_OBJECT
public:
    explicit DesignRoot();
    ~DesignRoot() override;

    // Every component the root owns, in creation (or loading) order; the form designer is first.
    const QList<Component *> &components() const { return m_components; }
    FormDesigner *formDesigner() const { return m_formDesigner; }
    qsizetype indexOf(const Component *component) const;

    // Takes a freshly constructed component into the design, as the last one owned.
    void adopt(Component *component);
    // Deletes every component but the form designer, as opening a file into the root does.
    void clearComponents();
    // Deletes a design component with the controls on it, clearing every reference to them.
    void destroyComponent(Component *component);
    bool isDestroying() const { return m_destroying; }

    Component *findComponent(QStringView name) const;

    // Names a new component "o" + prefix + the smallest free number (up to 32768); false when
    // no number is free.
    bool assignComponentName(Component *component, const QString &prefix);
    // The naming rule for components read from files or the clipboard: keeps `storedName`
    // unless taken, else "o" + prefix + n (or "oDefine" + n) counting from 2.
    void renameOnLoad(Component *component, const QString &storedName);

    // While a design file is read, setters skip their design-time side effects.
    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    // Design-time previews read the field dictionary; on in the designer, off in tools.
    bool previewsEnabled() const { return m_previews; }
    void setPreviewsEnabled(bool on) { m_previews = on; }

    MessageSink *messageSink() const { return m_messages; }
    void setMessageSink(MessageSink *sink) { m_messages = sink; }

    // The design's enchoice bar (a TTEnchoiceBar), which registers itself here.
    Component *enchoiceBar() const { return m_enchoiceBar; }
    void setEnchoiceBar(Component *bar) { m_enchoiceBar = bar; }

    int pixelsPerInch() const { return m_pixelsPerInch; }
    void setPixelsPerInch(int ppi) { m_pixelsPerInch = ppi; }

    void forgetReference(Component *gone) override;

private:
    friend class Component;
    struct NumberSet {
        std::set<int> used;
        int lowestFree = 1; // every number below it is used
    };
    void nameChanged(Component *component, const QString &oldName, const QString &newName);
    void unregister(Component *component);
    int smallestFreeNumber(const QString &base, int from);
    void trackName(const QString &name, int delta);

    QList<Component *> m_components;
    QHash<QString, Component *> m_byName; // lower-case name -> component
    QHash<QString, NumberSet> m_numbers;   // lower-case "o" + prefix -> numbers in use
    FormDesigner *m_formDesigner = nullptr;
    Component *m_enchoiceBar = nullptr;
    MessageSink *m_messages = nullptr;
    int m_pixelsPerInch = 96;
    bool m_loading = false;
    bool m_previews = false;
    bool m_destroying = false;
};

// The component through which the design surface edits the root; owned at position 0.
class FormDesigner : public Component {
    Q_OBJECT
public:
    using Component::Component;
};

} // namespace dd
