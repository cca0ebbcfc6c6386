// What each class publishes, in which order, and the values a newly placed component has.
#include <QMetaProperty>
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/data_controls.h"
#include "model/dialog.h"
#include "model/enchoice_bar.h"
#include "model/popup_menu.h"

using namespace dd;

Q_DECLARE_METATYPE(const QMetaObject *)

namespace {

QStringList publishedNames(const QMetaObject *meta)
{
    QStringList names;
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        names.append(QString::fromLatin1(meta->property(i).name()));
    return names;
}

} // namespace

class TestPublishedProperties : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void publishedOrder_data();
    void publishedOrder();
    void notPublished_data();
    void notPublished();
    void defaults_data();
    void defaults();
    void declaredDefaults_data();
    void declaredDefaults();
    void browseColumnsAreNotStored();
};

void TestPublishedProperties::publishedOrder_data()
{
    QTest::addColumn<const QMetaObject *>("meta");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("combo box: Enabled before PreName")
        << &TTComboBox::staticMetaObject
        << QStringList{"Script", "Enabled", "PreName", "l3DLook", "lReadOnly", "lVisibleControl", "lModified",
                       "Cargo", "nClrText", "nClrBack", "lActive", "ShowHint", "cVariable", "cMsg", "cToolTip",
                       "Items", "ItemIndex", "oFont", "bSetGet", "bChange"};
    QTest::newRow("radio menu: bSetGet among the events")
        << &TTRadMenu::staticMetaObject
        << QStringList{"bPainted", "bLClicked", "bRClicked", "bLDBLClick", "bSetGet", "bWhen", "bValid",
                       "ExecAfter", "ExecBefore"};
    QTest::newRow("check box: Checked among the flags")
        << &TTCheckBox::staticMetaObject
        << QStringList{"Script", "PreName", "l3DLook", "lReadOnly", "Checked", "lVisibleControl"};
    QTest::newRow("browse") << &TTMsSelect::staticMetaObject
                            << QStringList{"Script", "VarScript", "StaticScript", "PreName", "lModified",
                                           "TempTable", "aCores", "lMark", "lHasMark", "lCanAllmark", "l3DLook",
                                           "lReadOnly", "lVisibleControl", "Cargo", "cMarca", "cFieldMarca",
                                           "lActive", "ShowHint", "Columns", "Alias", "cFiltro", "AliasOrder",
                                           "bAval", "bChange"};
    QTest::newRow("grid: StaticScript before VarScript")
        << &TTMsNewGetDados::staticMetaObject
        << QStringList{"Script", "StaticScript", "VarScript", "PreName", "l3DLook"};
    QTest::newRow("popup menu") << &TTPopupMenu::staticMetaObject
                                << QStringList{"VarScript", "StaticScript", "PreName", "Script"};
    QTest::newRow("enchoice bar") << &TTEnchoiceBar::staticMetaObject
                                  << QStringList{"PreName", "lMensApag", "aButtons", "bOk", "bCancela"};
    QTest::newRow("temp table") << &TTCriaTrab::staticMetaObject
                                << QStringList{"PreName", "aFields", "cAlias", "IndexFields"};
    QTest::newRow("enchoice") << &TTEnchoice::staticMetaObject
                              << QStringList{"Script", "VarScript", "PreName", "cAlias", "nReg", "nOpc", "aCRA",
                                             "cLetra", "cTexto", "aCpoEnch", "aAlterEnch", "nModelo", "nColMens",
                                             "cMensagem", "cTudoOk", "lF3", "lMemoria", "lColumn", "lNoFolder",
                                             "lProperty", "ExecAfter", "ExecBefore"};
    QTest::newRow("question") << &TPerg::staticMetaObject
                              << QStringList{"Pergunta", "Tipo", "Tamanho", "Decimal", "Formato", "PreSelecao",
                                             "Objeto", "Validacao", "F3", "Conteudo", "Item1", "Item2", "Item3",
                                             "Item4", "Item5", "Help"};
    QTest::newRow("field") << &TaField::staticMetaObject
                           << QStringList{"cPicture", "cTitle", "cField", "cType", "nSize", "nPrecision"};
}

void TestPublishedProperties::publishedOrder()
{
    QFETCH(const QMetaObject *, meta);
    QFETCH(QStringList, expected);
    const QStringList names = publishedNames(meta);
    const qsizetype first = names.indexOf(expected.first());
    QVERIFY2(first >= 0, qPrintable(expected.first()));
    QCOMPARE(names.mid(first, expected.size()), expected);
}

void TestPublishedProperties::notPublished_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("list box: no variable, no tool tip") << "TTListBox" << QStringList{"cVariable", "cToolTip"};
    QTest::newRow("page: no generated text") << "TTaDialogs" << QStringList{"Script", "PreName"};
    QTest::newRow("popup menu: no flags, events or lists")
        << "TTPopupMenu" << QStringList{"lActive", "bChange", "ExecBefore"};
    QTest::newRow("panel: no font reference") << "TTPanel" << QStringList{"oFont", "nClrText"};
    QTest::newRow("radio menu: no font reference") << "TTRadMenu" << QStringList{"oFont"};
    QTest::newRow("bitmap: no font") << "TTBitmap" << QStringList{"Font", "oFont"};
    QTest::newRow("enchoice bar: no text of its own")
        << "TTEnchoiceBar" << QStringList{"Script", "VarScript", "StaticScript"};
    QTest::newRow("temp table: no text of its own") << "TTCriaTrab" << QStringList{"Script"};
}

void TestPublishedProperties::notPublished()
{
    QFETCH(QString, className);
    QFETCH(QStringList, absent);
    TTMSDialog root;
    Component *c = fixture::create(root, className);
    for (const QString &name : absent)
        QVERIFY2(!c->publishes(name.toLatin1()), qPrintable(name));
}

void TestPublishedProperties::defaults_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    auto row = [](const char *cls, const char *prop, const QVariant &v) {
        QTest::addRow("%s.%s", cls, prop) << cls << prop << v;
    };
    const QVariant black = QVariant::fromValue(TColorA::CLR_BLACK);
    const QVariant white = QVariant::fromValue(TColorA::CLR_WHITE);
    row("TTButton", "Enabled", true);
    row("TTButton", "lVisibleControl", true);
    row("TTButton", "lActive", true);
    row("TTButton", "l3DLook", false);
    row("TTSButton", "nType", 1);
    row("TTSButton", "Width", 52);
    row("TTSButton", "Height", 22);
    row("TTCheckBox", "Checked", false);
    row("TTCheckBox", "nClrText", black);
    row("TTCheckBox", "nClrBack", white);
    row("TTCheckBox", "Color", QVariant::fromValue(Color::rgb(255, 255, 255)));
    row("TTComboBox", "ItemIndex", -1);
    row("TTComboBox", "Enabled", true);
    row("TTListBox", "nClrBack", white);
    row("TTRadMenu", "ItemIndex", -1);
    row("TTRadMenu", "nClrText", black);
    row("TTGroup", "nClrBack", white);
    row("TTaDialogs", "TabVisible", true);
    row("TTScrollBox", "BorderStyle", QVariant::fromValue(TBorderStyle::bsSingle));
    row("TTScrollBox", "Visible", true);
    row("TTScrollBox", "VertScrollBar", QVariant::fromValue(ScrollBar{true}));
    row("TTScrollBox", "HorzScrollBar", QVariant::fromValue(ScrollBar{true}));
    row("TTBitmap", "Stretch", true);
    row("TTBitmap", "lAutoSize", false);
    row("TTEnchoice", "Width", 400);
    row("TTEnchoice", "Height", 150);
    row("TTEnchoice", "nOpc", 3);
    row("TTEnchoice", "nReg", 0);
    row("TTEnchoice", "nModelo", 3);
    row("TTEnchoice", "lMemoria", true);
    row("TTEnchoice", "lProperty", true);
    row("TTEnchoice", "lF3", false);
    row("TTEnchoiceBar", "lMensApag", false);
    row("TTMsSelect", "Width", 281);
    row("TTMsSelect", "lMark", false);
    row("TTMsSelect", "lActive", true);
    row("TTMsSelect", "AliasOrder", 0);
    row("TTMsNewGetDados", "Width", 281);
    row("TTMsNewGetDados", "nMax", 99);
    row("TTMsNewGetDados", "nFreeze", 0);
    row("TTMsNewGetDados", "uLinhaOk", "AllwaysTrue()");
    row("TTMsNewGetDados", "uTudoOk", "AllwaysTrue()");
    row("TTMsNewGetDados", "uCampoOk", "AllwaysTrue()");
    row("TTMsNewGetDados", "uApagaOk", "AllwaysTrue()");
    row("TTMsNewGetDados", "uSuperApagar", "");
    row("TTMsNewGetDados", "laRotina", false);
    row("TTDbTree", "lCargo", false);
    row("TTDbTree", "Visible", true);
    row("TTCriaTrab", "cAlias", "TMP");
    row("TTPergunte", "cGrupo", "GRPXX");
}

void TestPublishedProperties::defaults()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    TTMSDialog root;
    Component *c = fixture::create(root, className);
    QCOMPARE(c->property(property.toLatin1()), expected);
}

void TestPublishedProperties::declaredDefaults_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("declared");
    QTest::newRow("page tab shown") << "TTaDialogs" << "TabVisible" << QVariant(true);
    QTest::newRow("scroll box border") << "TTScrollBox" << "BorderStyle"
                                       << QVariant::fromValue(TBorderStyle::bsSingle);
    QTest::newRow("standard button enabled") << "TTSButton" << "Enabled" << QVariant(true);
    // A new picture stretches, unlike the image kind's default, so files carry it.
    QTest::newRow("bitmap stretch") << "TTBitmap" << "Stretch" << QVariant(false);
    QTest::newRow("button enabled has none") << "TTButton" << "Enabled" << QVariant();
    QTest::newRow("flags have none") << "TTPanel" << "lReadOnly" << QVariant();
}

void TestPublishedProperties::declaredDefaults()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, declared);
    TTMSDialog root;
    Component *c = fixture::create(root, className);
    QCOMPARE(c->declaredDefault(property.toLatin1()), declared);
}

void TestPublishedProperties::browseColumnsAreNotStored()
{
    TTMSDialog root;
    for (Component *c : {fixture::create(root, "TTMsSelect"), fixture::create(root, "TTMsNewGetDados")}) {
        const QMetaProperty columns = c->metaObject()->property(c->metaObject()->indexOfProperty("Columns"));
        QVERIFY(!columns.isStored());
        QCOMPARE(c->property("Columns").value<QList<GridColumn>>(),
                 (QList<GridColumn>{{QString(), QStringLiteral("Title"), QString()}}));
    }
}

QTEST_GUILESS_MAIN(TestPublishedProperties)
#include "tst_published_properties.moc"
