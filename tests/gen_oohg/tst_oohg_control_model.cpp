// What OOHG controls start with and the setters with side effects.
#include <QtTest>

#include "gen_oohg/button_controls.h"
#include "gen_oohg/choice_controls.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/text_controls.h"
#include "gen_oohg/view_controls.h"
#include "window_builder.h"

using namespace dd;
using oohgtest::add;

class TestOohgControlModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void creationDefaults_data();
    void creationDefaults();
    void prefixes_data();
    void prefixes();
    void commonFlagDefaults();
    void browseStartsWithOneTitledColumn();
    void variableSetters_data();
    void variableSetters();
    void editTypeAndLength();
};

void TestOohgControlModel::creationDefaults_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("ownFont");
    const char *const own[] = {"THButton", "THLabel",    "THEditRich", "THEdit", "THComboBox", "THListBox",
                               "THFrame",  "THRadioGroup", "THCheckBox", "THTab", "THBrowse"};
    for (const char *name : own)
        QTest::newRow(name) << name << true;
    for (const char *name : {"THImage", "THTree", "THPage"})
        QTest::newRow(name) << name << false;
}

void TestOohgControlModel::creationDefaults()
{
    QFETCH(QString, className);
    QFETCH(bool, ownFont);
    THWindow window;
    const ComponentClass *cls = oohgClasses().find(className);
    QVERIFY(cls);
    auto *control = static_cast<Control *>(createComponent(&window, *cls, &window, nullptr));
    QCOMPARE(control->showHint(), false);
    QCOMPARE(control->parentFont(), !ownFont);
}

void TestOohgControlModel::prefixes_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("THButton") << "THButton" << "Prename" << "Btn";
    QTest::newRow("THLabel") << "THLabel" << "Prename" << "Lbl";
    QTest::newRow("THEditRich") << "THEditRich" << "Prename" << "ERic";
    QTest::newRow("THEdit") << "THEdit" << "Prename" << "Edt";
    QTest::newRow("THComboBox") << "THComboBox" << "Prename" << "Cbo";
    QTest::newRow("THListBox") << "THListBox" << "Prename" << "Lst";
    QTest::newRow("THFrame") << "THFrame" << "Prename" << "Fram";
    QTest::newRow("THRadioGroup") << "THRadioGroup" << "Prename" << "RGrp";
    QTest::newRow("THCheckBox") << "THCheckBox" << "Prename" << "Chk";
    QTest::newRow("THTab") << "THTab" << "Prename" << "Tab";
    QTest::newRow("THBrowse") << "THBrowse" << "Prename" << "Brw";
    QTest::newRow("THImage") << "THImage" << "Prename" << "Img";
    QTest::newRow("THTree") << "THTree" << "PreName" << "Tree";
}

void TestOohgControlModel::prefixes()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QString, prefix);
    THWindow window;
    Component *c = createComponent(&window, *oohgClasses().find(className), &window, nullptr);
    QCOMPARE(c->property(property.toLatin1().constData()).toString(), prefix);
    QVERIFY(window.assignComponentName(c, c->preName()));
    QCOMPARE(c->name(), QLatin1Char('o') + prefix + QLatin1Char('1'));
}

void TestOohgControlModel::commonFlagDefaults()
{
    THWindow window;
    for (const char *name : {"THRadioGroup", "THTab", "THPage", "THBrowse", "THImage"}) {
        const Component *c = createComponent(&window, *oohgClasses().find(QString::fromLatin1(name)), &window, nullptr);
        QCOMPARE(c->property("l3DLook").toBool(), false);
        QCOMPARE(c->property("lReadOnly").toBool(), false);
        QCOMPARE(c->property("lVisibleControl").toBool(), true);
        QCOMPARE(c->property("lModified").toBool(), false);
        QCOMPARE(c->property("lActive").toBool(), true);
    }
    const auto *label = add<THLabel>(window, "oLbl1");
    QCOMPARE(label->autoSize(), false);
    const auto *image = add<THImage>(window, "oImg1");
    QCOMPARE(image->property("Stretch").toBool(), true);
    QCOMPARE(image->property("lAutoSize").toBool(), false);
    const auto *edit = add<THEdit>(window, "oEdt1");
    QCOMPARE(edit->property("lPassword").toBool(), false);
    QCOMPARE(edit->nLength(), 1);
    QCOMPARE(edit->tType(), TTypeGet::tgCaracter);
    // Pages write nothing and take no name of their own.
    QCOMPARE(THPage::staticMetaObject.indexOfProperty("Script"), -1);
    QCOMPARE(THPage::staticMetaObject.indexOfProperty("Prename"), -1);
}

void TestOohgControlModel::browseStartsWithOneTitledColumn()
{
    THWindow window;
    const auto *browse = add<THBrowse>(window, "oBrw1");
    QCOMPARE(browse->width(), 281);
    QCOMPARE(browse->columns()->size(), 1);
    QCOMPARE(browse->columns()->itemAt<THBrowseColumn>(0)->title().caption, QStringLiteral("Title"));
}

void TestOohgControlModel::variableSetters_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("setGet");
    QTest::newRow("combo box") << "THComboBox" << "Total" << "nTotal" << "{|u| If(PCount()>0,nTotal:=u,nTotal)}";
    QTest::newRow("radio group retypes") << "THRadioGroup" << "cTipo" << "nTipo" << "{|u| If(PCount()>0,nTipo:=u,nTipo)}";
    QTest::newRow("rich edit") << "THEditRich" << "oObs" << "cObs" << "{|u| If(PCount()>0,cObs:=u,cObs)}";
    QTest::newRow("blanks kept, block cleared") << "THComboBox" << "   " << "   " << "";
}

void TestOohgControlModel::variableSetters()
{
    QFETCH(QString, className);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QFETCH(QString, setGet);
    THWindow window;
    Component *c = createComponent(&window, *oohgClasses().find(className), &window, nullptr);
    c->setProperty("cVariable", "Previous");
    QVERIFY(c->setProperty("cVariable", value));
    QCOMPARE(c->property("cVariable").toString(), stored);
    QCOMPARE(c->property("bSetGet").toString(), setGet);
}

void TestOohgControlModel::editTypeAndLength()
{
    THWindow window;
    auto *edit = add<THEdit>(window, "oEdt1");
    edit->setNLength(20);
    QCOMPARE(edit->nLength(), 20);
    edit->setProperty("tType", QVariant::fromValue(TTypeGet::tgNumeric));
    QCOMPARE(edit->nLength(), 0);
    edit->setNLength(20);
    QCOMPARE(edit->nLength(), 0);
    edit->setProperty("tType", QVariant::fromValue(TTypeGet::tgCaracter));
    QCOMPARE(edit->nLength(), 1);
    edit->setNLength(0);
    QCOMPARE(edit->nLength(), 1);
    edit->setNLength(-3);
    QCOMPARE(edit->nLength(), -3);
    // Setting the character type again starts the length over.
    edit->setNLength(30);
    edit->setEditType(TTypeGet::tgCaracter);
    QCOMPARE(edit->nLength(), 1);
}

QTEST_GUILESS_MAIN(TestOohgControlModel)
#include "tst_oohg_control_model.moc"
