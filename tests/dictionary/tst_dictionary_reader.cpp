// The dictionary reader: list lines and completion items byte for byte, the edge cases of
// the file's shape, files written by other XML writers, the cache that must still see every
// new import, and the field lines of the previews.
#include <QTemporaryDir>
#include <QtTest>

#include "dictionary/data_folder.h"
#include "dictionary/dictionary_field_lines.h"
#include "dictionary/dictionary_import.h"
#include "dictionary/table_fields.h"
#include "model/field_lines.h"
#include "model/windows1252.h"
#include "sx3_expectations.h"

using dd::dictionary::CompletionLists;
using dd::dictionary::loadTableFields;
using dd::dictionary::TableFieldsOutcome;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray field(const char *name, const char *title, const char *use, const char *size)
{
    return QByteArray("<fields order=\"01\" field=\"") + name + "\" type=\"C\" help=\"Help of " + name + "\" title=\"" + title
        + "\" use=\"" + use + "\" size=\"" + size + "\"/>";
}

// A dictionary file of the given table elements, as this designer writes them.
QByteArray dictionary(const QList<QPair<QByteArray, QList<QByteArray>>> &tables)
{
    QByteArray out = "<dicdados app=\"test\">\n";
    for (const auto &[alias, fields] : tables) {
        out += "  <table file=\"" + alias + "\">\n";
        for (const QByteArray &f : fields)
            out += "    " + f + "\n";
        out += "  </table>\n";
    }
    return out + "</dicdados>\n";
}

} // namespace

class TestDictionaryReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fixtureListLines();
    void fixtureCompletionItems();
    void usedFieldsOfTheFixture();
    void shapesOfTheFile_data();
    void shapesOfTheFile();
    void completionIgnoresMissingUseAndSize();
    void appendsToWhatTheCallerHas();
    void newImportTakesEffectAtTheNextCall();
    void fieldLinesOfThePreviews();
    void dataFolder();

private:
    QTemporaryDir m_dir;
    QString m_small;
};

void TestDictionaryReader::initTestCase()
{
    m_small = m_dir.filePath(QStringLiteral("small.dic"));
    QCOMPARE(dd::dictionary::importDictionary(QStringLiteral(DD_TEST_DATA "/sx3/small/SX3010.DBF"), m_small, nullptr), std::nullopt);
}

void TestDictionaryReader::fixtureListLines()
{
    QStringList lines;
    const TableFieldsOutcome outcome = loadTableFields(m_small, QStringLiteral("SB1"), nullptr, &lines);
    QVERIFY(!outcome.outOfDate);
    QVERIFY(outcome.error.isEmpty());
    const QString euros = QString(13, QChar(0x20AC));
    QCOMPARE(lines, QStringList({
                        QStringLiteral("Filial      ") + QString(15, u' ') + QStringLiteral("002"),
                        QStringLiteral("Código      ") + euros + QStringLiteral("Çá006"),
                        QStringLiteral("Loja        ") + QString(15, u' ') + QStringLiteral("002"),
                        QStringLiteral("Nome        ") + euros + QStringLiteral("Ç¦040"),
                        QStringLiteral("Endereço    ") + euros + QStringLiteral("€ 040"),
                        lines.value(5),
                    }));
    QCOMPARE(lines.size(), 6);
    for (const QString &line : lines)
        QCOMPARE(line.size(), 30);
}

void TestDictionaryReader::fixtureCompletionItems()
{
    CompletionLists items;
    QVERIFY(loadTableFields(m_small, QStringLiteral("SA1"), &items, nullptr).error.isEmpty());
    QCOMPARE(items.insertList, QStringList({"A1_COD", "A1_LOJA", "A1_NOME", "A1_NREDUZ", "A1_END", "A1_BAIRRO", "A1_MUN"}));
    QCOMPARE(items.itemList.size(), 7);
    QCOMPARE(items.itemList[0], QStringLiteral("\\style{+B}field\\style{-B}\\column{}A1_COD\\column{}\\style{+B}type\\style{-B}"
                                               "    C    \\style{+B}help\\style{-B}  Código do Registro"));
    QCOMPARE(items.itemList[6], QStringLiteral("\\style{+B}field\\style{-B}\\column{}A1_MUN\\column{}\\style{+B}type\\style{-B}"
                                               "    C    \\style{+B}help\\style{-B}  Município"));
}

// The use flags sit in characters 13 to 27 of the lines, where the previews' used-field test
// reads them: the test must agree with the rule applied to the table's own bytes.
void TestDictionaryReader::usedFieldsOfTheFixture()
{
    const QList<QByteArray> listing = fileBytes(QStringLiteral(DD_TEST_DATA "/sx3/small/tag-order.txt")).split('\n');
    QHash<QString, QList<bool>> expected;
    for (const QByteArray &line : listing) {
        const QList<QByteArray> c = line.split('|');
        if (c.size() != 8)
            continue;
        const QByteArray use = sx3_expectations::unescaped(c[7]);
        const QByteArray last = use.mid(13, 2);
        expected[QString::fromLatin1(c[0])].append(last == "\xC7\xE1" || last == "\xC7\xA6" || last == "\xE2\xC7" || use.mid(4, 2) == "\xEB+");
    }
    int used = 0;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QStringList lines;
        loadTableFields(m_small, it.key(), nullptr, &lines);
        QList<bool> marks;
        for (const QString &line : lines)
            marks.append(dd::isUsedField(line));
        QCOMPARE(marks, it.value());
        used += int(marks.count(true));
    }
    QVERIFY(used > 0 && used < 51);
}

void TestDictionaryReader::shapesOfTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("outOfDate");
    QTest::addColumn<QString>("error");
    const QByteArray nome = field("A1_NOME", "Nome", "xxxxxxxxxxxxxxx", "040");
    const QString nomeLine = QStringLiteral("Nome        xxxxxxxxxxxxxxx040");

    QTest::newRow("a title longer than 12 is cut, the use too")
        << dictionary({{"SA1", {field("A1_END", "Endereco Completo", "0123456789ABCDEFGH", "120")}}}) << "SA1"
        << QStringList{"Endereco Com0123456789ABCDE120"} << false << "";
    QTest::newRow("a short title and use are filled") << dictionary({{"SA1", {field("A1_X", "Nome1", "u", "1000")}}}) << "SA1"
                                                      << QStringList{"Nome1       u              1000"} << false << "";
    QTest::newRow("two tables") << dictionary({{"SA1", {nome}}, {"SA2", {field("A2_COD", "Codigo", "yyy", "006")}}}) << "SA2"
                                << QStringList{"Codigo      yyy            006"} << false << "";
    QTest::newRow("two table elements for one alias: the first")
        << dictionary({{"SA1", {nome}}, {"SA2", {}}, {"SA1", {field("A1_COD", "Codigo", "y", "006")}}}) << "SA1" << QStringList{nomeLine}
        << false << "";
    QTest::newRow("an alias stored in lower case is never found") << dictionary({{"sa1", {nome}}}) << "SA1" << QStringList{} << false << "";
    QTest::newRow("an alias not in the file") << dictionary({{"SA1", {nome}}}) << "SB1" << QStringList{} << false << "";
    QTest::newRow("an empty alias") << dictionary({{"", {nome}}}) << "" << QStringList{} << false << "";
    QTest::newRow("an empty table") << dictionary({{"SA1", {}}}) << "SA1" << QStringList{} << false << "";
    QTest::newRow("no use: an old file")
        << dictionary({{"SA1", {nome, "<fields order=\"02\" field=\"A1_COD\" type=\"C\" help=\"\" title=\"Codigo\" size=\"006\"/>", nome}}})
        << "SA1" << QStringList{nomeLine} << true << "";
    QTest::newRow("no size: an old file") << dictionary({{"SA1", {"<fields field=\"A1_COD\" title=\"Codigo\" use=\"x\"/>"}}}) << "SA1"
                                          << QStringList{} << true << "";

    // Files of other writers.
    QTest::newRow("declaration, comments, CDATA, single quotes, '>' in values")
        << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- made elsewhere -->\n<dicdados app='a>b'>"
                      "<table file='SX5' note=\"a > b /> c\"><!-- <fields/> --><![CDATA[<fields/>]]>"
                      "<fields title='T&#237;tulo &amp; &lt;x&gt;' use=\"u\" size=\"9\"></fields></table>"
                      "<other file=\"SA1\"><table file=\"SA1\"><fields title=\"nested\" use=\"\" size=\"1\"/></table></other>"
                      "<table\nfile=\"S&amp;1\"  ><fields title=\"amp\" use=\"\" size=\"2\"/></table></dicdados>")
        << "SX5" << QStringList{"Título & <x>u              9"} << false << "";
    QTest::newRow("only direct children of the root are tables")
        << QByteArray("<dicdados><other file=\"SA1\"><table file=\"SA1\"><fields title=\"nested\" use=\"\" size=\"1\"/></table></other></dicdados>")
        << "SA1" << QStringList{} << false << "";
    QTest::newRow("an escaped alias")
        << QByteArray("<dicdados><table\nfile=\"S&amp;1\"  ><fields title=\"amp\" use=\"\" size=\"2\"/></table></dicdados>") << "S&1"
        << QStringList{"amp         " + QString(15, u' ') + "2"} << false << "";
    QTest::newRow("a document type with an entity")
        << QByteArray("<!DOCTYPE dicdados [<!ENTITY co \"Codigo\">]>\n<dicdados><table file=\"SA1\">"
                      "<fields title=\"&co;\" use=\"u\" size=\"006\"/></table></dicdados>")
        << "SA1" << QStringList{"Codigo      u              006"} << false << "";
    QTest::newRow("Latin-1 with its declaration")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<dicdados><table file=\"SA1\">"
                      "<fields title=\"Endere\xE7o\" use=\"\xC7\xE1\" size=\"040\"/></table></dicdados>")
        << "SA1" << QStringList{"Endereço    Çá             040"} << false << "";

    // Files no XML reader accepts.
    QTest::newRow("empty file") << QByteArray() << "SA1" << QStringList{} << false << "no root element (at byte 0)";
    QTest::newRow("unclosed root") << QByteArray("<dicdados><table file=\"SA1\"></table>") << "SA1" << QStringList{} << false
                                   << "The element <dicdados> is not closed (at byte 0)";
    QTest::newRow("mismatched end tag") << QByteArray("<dicdados><table file=\"SA1\"></tables></dicdados>") << "SA1" << QStringList{}
                                        << false << "</tables> does not match <table> (at byte 28)";
    QTest::newRow("an attribute without quotes elsewhere") << dictionary({{"SA1", {nome}}, {"SA2", {"<fields size=006/>"}}}) << "SA1"
                                                           << QStringList{} << false << "malformed attribute in <fields>";
    QTest::newRow("a damaged field of the table") << dictionary({{"SA1", {nome, "<fields title=\"a\" use=\"&bogus;\" size=\"1\"/>"}}})
                                                  << "SA1" << QStringList{} << false << "in the table element at byte 24";
    QTest::newRow("a second root") << QByteArray("<dicdados/><dicdados/>") << "SA1" << QStringList{} << false << "second root element";
}

void TestDictionaryReader::shapesOfTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, alias);
    QFETCH(QStringList, lines);
    QFETCH(bool, outOfDate);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QUORVEX.dic"));
    writeFile(path, file);
    QStringList read;
    const TableFieldsOutcome outcome = loadTableFields(path, alias, nullptr, &read);
    QCOMPARE(read, lines);
    QCOMPARE(outcome.outOfDate, outOfDate);
    QVERIFY2(error.isEmpty() ? outcome.error.isEmpty() : outcome.error.contains(error), qPrintable(outcome.error));
    if (!error.isEmpty())
        QVERIFY2(outcome.error.startsWith(QStringLiteral("QUORVEX.dic: ")), qPrintable(outcome.error));
}

void TestDictionaryReader::completionIgnoresMissingUseAndSize()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.dic"));
    writeFile(path, dictionary({{"SA1", {"<fields field=\"A1_COD\" type=\"C\" help=\"Codigo\"/>", "<fields field=\"A1_NOME\"/>"}}}));
    CompletionLists items;
    const TableFieldsOutcome outcome = loadTableFields(path, QStringLiteral("SA1"), &items, nullptr);
    QVERIFY(!outcome.outOfDate);
    QCOMPARE(items.insertList, QStringList({"A1_COD", "A1_NOME"}));
    QCOMPARE(items.itemList[1], QStringLiteral("\\style{+B}field\\style{-B}\\column{}A1_NOME\\column{}\\style{+B}type\\style{-B}"
                                               "        \\style{+B}help\\style{-B}  "));
}

void TestDictionaryReader::appendsToWhatTheCallerHas()
{
    QStringList lines{"earlier"};
    CompletionLists items{{"x"}, {"y"}};
    loadTableFields(m_small, QStringLiteral("SA3"), &items, &lines);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.front(), QStringLiteral("earlier"));
    QCOMPARE(items.insertList.size(), 4);
    QCOMPARE(items.itemList.size(), 4);
    // No file appends nothing and says nothing.
    const TableFieldsOutcome none = loadTableFields(m_dir.filePath(QStringLiteral("none.dic")), QStringLiteral("SA3"), &items, &lines);
    QVERIFY(!none.outOfDate && none.error.isEmpty());
    QCOMPARE(lines.size(), 4);
}

void TestDictionaryReader::newImportTakesEffectAtTheNextCall()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QUORVEX.dic"));
    const QString other = dir.filePath(QStringLiteral("other.dic"));
    writeFile(other, dictionary({{"SA1", {field("O", "Other", "", "1")}}}));
    auto linesOf = [](const QString &file) {
        QStringList lines;
        loadTableFields(file, QStringLiteral("SA1"), nullptr, &lines);
        return lines;
    };

    writeFile(path, dictionary({{"SA1", {field("A", "First", "", "1")}}}));
    QCOMPARE(linesOf(path).size(), 1);
    QCOMPARE(linesOf(other).value(0).left(5), QStringLiteral("Other")); // another file, another outline
    // A new import of another size.
    writeFile(path, dictionary({{"SB1", {}}, {"SA1", {field("A", "Second", "", "1"), field("B", "Third", "", "1")}}}));
    QCOMPARE(linesOf(path).value(1).left(5), QStringLiteral("Third"));
    // Same size, other content, later modification time.
    const QByteArray same = dictionary({{"SB1", {}}, {"SA1", {field("A", "Fourth", "", "1"), field("B", "Fifth", "", "1")}}});
    QCOMPARE(same.size(), fileBytes(path).size());
    writeFile(path, same);
    QFile touched(path);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    touched.close();
    QCOMPARE(linesOf(path).value(1).left(5), QStringLiteral("Fifth"));
    // Gone: nothing.
    QVERIFY(QFile::remove(path));
    QCOMPARE(linesOf(path), QStringList());
}

void TestDictionaryReader::fieldLinesOfThePreviews()
{
    QTemporaryDir dir;
    dd::setDataFolder(dir.path());
    QStringList reports;
    dd::dictionary::installDictionaryFieldLines([&reports](const QString &message) { reports << message; });

    QVERIFY(QFile::copy(m_small, dd::dictionaryFilePath()));
    QStringList expected;
    loadTableFields(m_small, QStringLiteral("SC5"), nullptr, &expected);
    QCOMPARE(dd::tableFieldLines(QStringLiteral("SC5")), expected);
    QVERIFY(reports.isEmpty());

    QVERIFY(QFile::remove(dd::dictionaryFilePath()));
    writeFile(dd::dictionaryFilePath(), dictionary({{"SC5", {"<fields field=\"C5_NUM\" title=\"Numero\"/>"}}}));
    QCOMPARE(dd::tableFieldLines(QStringLiteral("SC5")), QStringList());
    QCOMPARE(reports, QStringList{"Update Data Dictionary"});

    writeFile(dd::dictionaryFilePath(), "<dicdados>");
    dd::tableFieldLines(QStringLiteral("SC5"));
    QCOMPARE(reports.size(), 2);
    QVERIFY(reports[1].contains(QStringLiteral("not closed")));

    dd::setFieldLineSource({});
    dd::setDataFolder({});
}

void TestDictionaryReader::dataFolder()
{
    QTemporaryDir dir;
    dd::setDataFolder(dir.path());
    QCOMPARE(dd::dataFolder(), dir.path());
    QCOMPARE(dd::dictionaryFilePath(), dir.filePath(QStringLiteral("QUORVEX.dic")));
    dd::setDataFolder({});
    QCOMPARE(dd::dataFolder(), QCoreApplication::applicationDirPath()); // the test's folder is writable
    // A folder that cannot be written (here: one that does not exist) gives the user's folder.
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCOMPARE(dd::dataFolderFor(dir.filePath(QStringLiteral("missing"))), appData);
    QVERIFY(QFileInfo(appData).isDir());
    QCOMPARE(dd::dataFolderFor(dir.path()), dir.path());
}

QTEST_GUILESS_MAIN(TestDictionaryReader)
#include "tst_dictionary_reader.moc"
