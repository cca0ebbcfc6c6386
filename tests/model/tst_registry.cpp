// The ADVPL classes known by name, and the classes a design may hold only once.
#include <QtTest>

#include "design_fixture.h"
#include "model/containers.h"
#include "model/data_controls.h"
#include "model/dialog.h"
#include "model/enchoice_bar.h"

using namespace dd;

class TestRegistry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classes_data();
    void classes();
    void lookupIgnoresCase();
    void singleInstanceClasses_data();
    void singleInstanceClasses();
    void placedControlsGoOnTheirParent();
};

void TestRegistry::classes_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("preName");
    QTest::addColumn<bool>("visual");
    const struct {
        const char *cls, *prefix;
        bool visual;
    } rows[] = {
        {"TTSay", "Say", true},           {"TTGet", "Get", true},
        {"TTMultiGet", "MGet", true},     {"TTButton", "Btn", true},
        {"TTSButton", "SBtn", true},      {"TTCheckBox", "CBox", true},
        {"TTComboBox", "CBox", true},     {"TTListBox", "LBox", true},
        {"TTRadMenu", "RMenu", true},     {"TTPopupMenu", "PpMenu", false},
        {"TTPanel", "Panel", true},       {"TTGroup", "Grp", true},
        {"TTFolder", "Fld", true},        {"TTaDialogs", "", true},
        {"TTScrollBox", "SBox", true},    {"TTBitmap", "Bmp", true},
        {"TTEnchoice", "Ench", true},     {"TTEnchoiceBar", "EBar", true},
        {"TTMsSelect", "Brw", true},      {"TTMsNewGetDados", "Brw", true},
        {"TTDbTree", "Tree", true},       {"TTCriaTrab", "Tbl", false},
        {"TTPergunte", "Perg", false},    {"TToFont", "Font", false},
        {"TTVars", "Vars", false},        {"TTFunctions", "Functions", false},
    };
    for (const auto &row : rows)
        QTest::newRow(row.cls) << row.cls << row.prefix << row.visual;
}

void TestRegistry::classes()
{
    QFETCH(QString, className);
    QFETCH(QString, preName);
    QFETCH(bool, visual);
    TTMSDialog root;
    Component *c = fixture::create(root, className);
    QVERIFY(c);
    QCOMPARE(componentClassName(c), className);
    QCOMPARE(c->preName(), preName);
    QCOMPARE(c->hasPreName(), !preName.isEmpty());
    QCOMPARE(c->publishes("PreName"), !preName.isEmpty());
    QCOMPARE(c->isVisual(), visual);
    QCOMPARE(root.components().last(), c);
}

void TestRegistry::lookupIgnoresCase()
{
    const ComponentClass *cls = advplClasses().find(u"ttmsselect");
    QVERIFY(cls);
    QCOMPARE(cls->name, QStringLiteral("TTMsSelect"));
    // Items and the root are not placed by name.
    QVERIFY(!advplClasses().find(u"TaField"));
    QVERIFY(!advplClasses().find(u"TMenuItem"));
}

void TestRegistry::singleInstanceClasses_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("enchoice") << "TTEnchoice" << "You can use only one TTEnchoice.";
    QTest::newRow("enchoice bar") << "TTEnchoiceBar" << "You can use only one TTEnchoiceBar.";
}

void TestRegistry::singleInstanceClasses()
{
    QFETCH(QString, className);
    QFETCH(QString, refusal);
    TTMSDialog root;
    TTPanel *panel = fixture::place<TTPanel>(root);
    Component *first = fixture::create(root, className);
    QVERIFY(first);
    const QList<Component *> before = root.components();

    QString error;
    QCOMPARE(fixture::create(root, className, panel, &error), nullptr);
    QCOMPARE(error, refusal);
    QCOMPARE(root.components(), before);
    QVERIFY(panel->childControls().isEmpty());
    QCOMPARE(root.enchoiceBar() == first, className == QLatin1String("TTEnchoiceBar"));
}

void TestRegistry::placedControlsGoOnTheirParent()
{
    TTMSDialog root;
    TTScrollBox *box = fixture::place<TTScrollBox>(root);
    TTMsSelect *browse = fixture::place<TTMsSelect>(root, box);
    TTCriaTrab *table = fixture::place<TTCriaTrab>(root, box);
    QCOMPARE(box->parentControl(), &root);
    QCOMPARE(browse->parentControl(), box);
    QCOMPARE(box->childControls(), QList<Control *>{browse});
    QCOMPARE(table->parent(), &root);
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
