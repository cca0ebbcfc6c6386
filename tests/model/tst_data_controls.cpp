// Setters of the data-bound controls: aliases, temporary tables, record marking, dictionary
// previews and the temporary table's alias check.
#include <QtTest>

#include "design_fixture.h"
#include "model/data_controls.h"
#include "model/dialog.h"
#include "model/field_lines.h"

using namespace dd;
using fixture::place;

namespace {

// A dictionary line: title (12), use flags (15), size.
QString fieldLine(const QString &title, const QString &flags, const QString &size = QStringLiteral("006"))
{
    return title.leftJustified(12, ' ', true) + flags.leftJustified(15, ' ', true) + size;
}

QString usedFlags() { return QString(13, 'x') + QChar(0xC7) + QChar(0xE1); }

QList<GridColumn> titleOnly() { return {GridColumn{QString(), QStringLiteral("Title"), QString()}}; }

// A table with the fields CODIGO (picture @!) and VALOR.
TTCriaTrab *twoFieldTable(TTMSDialog &root)
{
    auto *table = place<TTCriaTrab>(root);
    table->setCAlias(QStringLiteral("trb"));
    TaField *code = table->addField();
    code->setProperty("cField", "CODIGO");
    code->setProperty("cTitle", "Codigo");
    code->setProperty("cPicture", "@!");
    TaField *value = table->addField();
    value->setProperty("cField", "VALOR");
    value->setProperty("cTitle", "Valor");
    return table;
}

} // namespace

class TestDataControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { setFieldLineSource({}); }

    void aliasesAreUpperCase_data();
    void aliasesAreUpperCase();

    void tempTableGivesAliasColumnsAndCall();
    void tempTableWhileLoadingAddsNoCall();
    void sameTempTableAgainAddsNoSecondCall();
    void noTempTableRestoresTitleColumnAndClearsMarking();

    void markingOnAndOff();
    void markField_data();
    void markField();
    void markingKeptWhileLoading();

    void usedField_data();
    void usedField();
    void aliasPreviewsDictionaryColumns();
    void noPreviewWithoutDesignSurfaceOrAlias();

    void tempTableAliasNeverBlank_data();
    void tempTableAliasNeverBlank();
};

void TestDataControls::aliasesAreUpperCase_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::newRow("browse") << "TTMsSelect" << "Alias";
    QTest::newRow("grid") << "TTMsNewGetDados" << "Alias";
    QTest::newRow("enchoice") << "TTEnchoice" << "cAlias";
}

void TestDataControls::aliasesAreUpperCase()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    TTMSDialog root;
    Component *c = fixture::create(root, className);
    QVERIFY(c->setProperty(property.toLatin1(), "sa1"));
    QCOMPARE(c->property(property.toLatin1()).toString(), QStringLiteral("SA1"));
}

void TestDataControls::tempTableGivesAliasColumnsAndCall()
{
    TTMSDialog root;
    TTCriaTrab *table = twoFieldTable(root);
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setProperty("ExecBefore", QStringList{"nTotal := 0"});

    browse->setTempTable(table);

    // The table's alias is taken as it is, not upper-cased.
    QCOMPARE(browse->alias(), QStringLiteral("trb"));
    QCOMPARE(browse->execBefore(), (QStringList{"nTotal := 0", "oTbl1()"}));
    const QList<GridColumn> expected{{"CODIGO", "Codigo", "@!"}, {"VALOR", "Valor", ""}};
    QCOMPARE(browse->columns(), expected);
}

void TestDataControls::tempTableWhileLoadingAddsNoCall()
{
    TTMSDialog root;
    TTCriaTrab *table = twoFieldTable(root);
    TTMsSelect *browse = place<TTMsSelect>(root);
    root.setLoading(true);
    browse->setTempTable(table);
    root.setLoading(false);
    QVERIFY(browse->execBefore().isEmpty());
    QCOMPARE(browse->columns().size(), 2);
    QCOMPARE(browse->alias(), QStringLiteral("trb"));
}

void TestDataControls::sameTempTableAgainAddsNoSecondCall()
{
    TTMSDialog root;
    TTCriaTrab *table = twoFieldTable(root);
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setTempTable(table);
    browse->setProperty("TempTable", QVariant::fromValue(table));
    QCOMPARE(browse->execBefore(), QStringList{"oTbl1()"});
}

void TestDataControls::noTempTableRestoresTitleColumnAndClearsMarking()
{
    TTMSDialog root;
    TTCriaTrab *table = twoFieldTable(root);
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setTempTable(table);
    browse->setCFieldMarca(QStringLiteral("MARCA"));
    browse->setLMark(true);

    browse->setTempTable(nullptr);

    QCOMPARE(browse->columns(), titleOnly());
    QVERIFY(!browse->lMark());
    QVERIFY(!browse->lHasMark());
    QCOMPARE(browse->cFieldMarca(), QString());
    QCOMPARE(browse->cMarca(), QString());
    QCOMPARE(browse->bAval(), QString());
    QCOMPARE(browse->alias(), QStringLiteral("trb"));
}

void TestDataControls::markingOnAndOff()
{
    TTMSDialog root;
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setAlias(QStringLiteral("TRB"));
    browse->setProperty("lCanAllmark", true);

    browse->setLMark(true);
    QCOMPARE(browse->cMarca(), QStringLiteral("GetMark()"));
    QVERIFY(browse->lHasMark());
    QVERIFY(!browse->lCanAllmark());
    QCOMPARE(browse->bAval(), QStringLiteral("{||TRBMark()}"));

    browse->setCFieldMarca(QStringLiteral("OK"));
    browse->setProperty("lCanAllmark", true);
    browse->setLMark(false);
    QVERIFY(!browse->lMark());
    QVERIFY(!browse->lHasMark());
    QVERIFY(!browse->lCanAllmark());
    QCOMPARE(browse->cFieldMarca(), QString());
    QCOMPARE(browse->cMarca(), QString());
    QCOMPARE(browse->bAval(), QString());
}

void TestDataControls::markField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("hasMark");
    QTest::addColumn<QString>("marca");
    QTest::newRow("field turns the mark on") << "MARCA" << true << "GetMark()";
    QTest::newRow("blank clears the marking") << "  " << false << "";
}

void TestDataControls::markField()
{
    QFETCH(QString, field);
    QFETCH(bool, hasMark);
    QFETCH(QString, marca);
    TTMSDialog root;
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setAlias(QStringLiteral("TRB"));
    browse->setLMark(true);
    browse->setLMark(false);

    browse->setCFieldMarca(field);

    QCOMPARE(browse->lHasMark(), hasMark);
    QCOMPARE(browse->cMarca(), marca);
    // The mark field never switches lMark itself.
    QVERIFY(!browse->lMark());
    QCOMPARE(browse->cFieldMarca(), hasMark ? field : QString());
}

void TestDataControls::markingKeptWhileLoading()
{
    // A design being read restores each marking value itself, in published order.
    TTMSDialog root;
    TTMsSelect *browse = place<TTMsSelect>(root);
    root.setLoading(true);
    browse->setProperty("lMark", true);
    browse->setProperty("lCanAllmark", true);
    browse->setProperty("cFieldMarca", "  ");
    browse->setProperty("Alias", "TRB");
    root.setLoading(false);
    QVERIFY(browse->lMark());
    QVERIFY(browse->lCanAllmark());
    QVERIFY(!browse->lHasMark());
    QCOMPARE(browse->cMarca(), QString());
    QCOMPARE(browse->bAval(), QString());
    QCOMPARE(browse->cFieldMarca(), QStringLiteral("  "));
}

void TestDataControls::usedField_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("used");
    const QString x13(13, 'x');
    QTest::newRow("14-15 C7 E1") << x13 + QChar(0xC7) + QChar(0xE1) << true;
    QTest::newRow("14-15 C7 A6") << x13 + QChar(0xC7) + QChar(0xA6) << true;
    QTest::newRow("14-15 E2 C7") << x13 + QChar(0xE2) + QChar(0xC7) << true;
    QTest::newRow("5-6 EB +") << "xxxx" + QString(QChar(0xEB)) + "+" + QString(9, 'x') << true;
    QTest::newRow("pair reversed") << x13 + QChar(0xE1) + QChar(0xC7) << false;
    QTest::newRow("marks one place early") << QString(12, 'x') + QChar(0xC7) + QChar(0xE1) + "x" << false;
    QTest::newRow("5-6 EB without +") << "xxxx" + QString(QChar(0xEB)) + "-" + QString(9, 'x') << false;
    QTest::newRow("blank flags") << QString(15, ' ') << false;
}

void TestDataControls::usedField()
{
    QFETCH(QString, flags);
    QFETCH(bool, used);
    QCOMPARE(isUsedField(fieldLine(QStringLiteral("Codigo"), flags)), used);
    // A line cut short has no flags to test.
    QVERIFY(!isUsedField(QStringLiteral("Codigo")));
}

void TestDataControls::aliasPreviewsDictionaryColumns()
{
    QStringList asked;
    setFieldLineSource([&asked](const QString &table) {
        asked.append(table);
        return QStringList{fieldLine("  Codigo", usedFlags()), fieldLine("Filial", QString(15, ' ')),
                           fieldLine("Razao Social do Cliente", usedFlags(), "040")};
    });
    TTMSDialog root;
    root.setPreviewsEnabled(true);
    TTMsSelect *browse = place<TTMsSelect>(root);
    TTMsNewGetDados *grid = place<TTMsNewGetDados>(root);

    browse->setAlias(QStringLiteral("sa1"));
    grid->setAlias(QStringLiteral("sa1"));

    QCOMPARE(asked, (QStringList{"SA1", "SA1"}));
    const QList<GridColumn> expected{{"", "Codigo", ""}, {"", "Razao Social", ""}};
    QCOMPARE(browse->columns(), expected);
    QCOMPARE(grid->columns(), expected);
    // A table the dictionary does not know leaves no columns.
    setFieldLineSource([](const QString &) { return QStringList(); });
    browse->setAlias(QStringLiteral("ZZ9"));
    QVERIFY(browse->columns().isEmpty());
}

void TestDataControls::noPreviewWithoutDesignSurfaceOrAlias()
{
    int lookups = 0;
    setFieldLineSource([&lookups](const QString &) {
        ++lookups;
        return QStringList{fieldLine("Codigo", usedFlags())};
    });
    TTMSDialog root;
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setAlias(QStringLiteral("SA1"));
    root.setPreviewsEnabled(true);
    browse->setAlias(QStringLiteral("   "));
    QCOMPARE(lookups, 0);
    QCOMPARE(browse->columns(), titleOnly());
}

void TestDataControls::tempTableAliasNeverBlank_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("name") << "TRB" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "   " << false;
}

void TestDataControls::tempTableAliasNeverBlank()
{
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    TTMSDialog root;
    TTCriaTrab *table = place<TTCriaTrab>(root);
    const QString expected = accepted ? value : QStringLiteral("TMP");

    QCOMPARE(table->validateWrite("cAlias", value),
             accepted ? QString() : QStringLiteral("Invalid property value."));
    QCOMPARE(table->setCAlias(value), accepted);
    QCOMPARE(table->cAlias(), expected);
    // The generic write path keeps the old value as well.
    table->setCAlias(QStringLiteral("TMP"));
    table->setProperty("cAlias", value);
    QCOMPARE(table->cAlias(), expected);
    QCOMPARE(table->validateWrite("IndexFields", QString()), QString());
}

QTEST_GUILESS_MAIN(TestDataControls)
#include "tst_data_controls.moc"
