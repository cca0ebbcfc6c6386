#include <QtTest>

#include "gen_advpl/fragment_lines.h"
#include "gen_advpl/program_encoding.h"

using namespace dd;

class TestProgramText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fragmentsSplitAtEveryBreak_data();
    void fragmentsSplitAtEveryBreak();
    void fragmentAppendsToBlock();
    void encodedWithCrLfAfterEveryLine();
    void unmappableCharactersBecomeQuestionMarks();
};

void TestProgramText::fragmentsSplitAtEveryBreak_data()
{
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty adds nothing") << "" << QStringList();
    QTest::newRow("one line") << "a" << QStringList{"a"};
    QTest::newRow("final break adds no line") << "a\r" << QStringList{"a"};
    QTest::newRow("CR") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("CR LF is one break") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("leading break") << "\ra" << QStringList{"", "a"};
    QTest::newRow("empty piece between breaks") << "a\r\rb" << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << "\r" << QStringList{""};
    QTest::newRow("two breaks at the end") << "a\r\n\r\n" << QStringList{"a", ""};
}

void TestProgramText::fragmentsSplitAtEveryBreak()
{
    QFETCH(QString, fragment);
    QFETCH(QStringList, expected);
    QStringList block;
    appendFragment(block, fragment);
    QCOMPARE(block, expected);
}

void TestProgramText::fragmentAppendsToBlock()
{
    QStringList block = {"first"};
    appendFragment(block, "second\rthird");
    QCOMPARE(block, QStringList({"first", "second", "third"}));
}

void TestProgramText::encodedWithCrLfAfterEveryLine()
{
    int unmappable = -1;
    QCOMPARE(encodeProgram({"Return", "", QString::fromUtf8("Ação €")}, &unmappable),
             QByteArray("Return\r\n\r\nA\xE7\xE3o \x80\r\n"));
    QCOMPARE(unmappable, 0);
    QCOMPARE(encodeProgram({}, nullptr), QByteArray());
}

void TestProgramText::unmappableCharactersBecomeQuestionMarks()
{
    int unmappable = 0;
    const QByteArray bytes = encodeProgram({QString::fromUtf8("✓ ok"), QString::fromUtf8("日本")}, &unmappable);
    QCOMPARE(bytes, QByteArray("? ok\r\n??\r\n"));
    QCOMPARE(unmappable, 3);
    const QString warning = unmappableCharactersWarning(unmappable);
    QVERIFY(warning.startsWith("3 characters"));
    QVERIFY(warning.contains("Windows-1252"));
    QVERIFY(warning.contains("'?'"));
}

QTEST_GUILESS_MAIN(TestProgramText)
#include "tst_program_text.moc"
