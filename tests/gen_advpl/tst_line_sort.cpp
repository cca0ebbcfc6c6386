#include <QtTest>

#include "gen_advpl/line_sort.h"

using namespace dd;

class TestLineSort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortsIgnoringCase_data();
    void sortsIgnoringCase();
};

void TestLineSort::sortsIgnoringCase_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("case ignored") << QStringList{"Private cbeta", "Private CZeta", "Private cAlfa"}
                                  << QStringList{"Private cAlfa", "Private cbeta", "Private CZeta"};
    QTest::newRow("blanks and punctuation before letters")
        << QStringList{"Private cA", "Private c_B", "", "Private c B"}
        << QStringList{"", "Private c B", "Private c_B", "Private cA"};
    QTest::newRow("digits before letters") << QStringList{"Private c2", "Private cA", "Private c10"}
                                           << QStringList{"Private c10", "Private c2", "Private cA"};
    QTest::newRow("equal lines keep their order") << QStringList{"Private CNOME", "Private cNome", "Private cnome"}
                                                  << QStringList{"Private CNOME", "Private cNome", "Private cnome"};
    QTest::newRow("accented letters fold too")
        << QStringList{QString::fromUtf8("Private cÇão"), QString::fromUtf8("Private cçao")}
        << QStringList{QString::fromUtf8("Private cçao"), QString::fromUtf8("Private cÇão")};
    QTest::newRow("empty") << QStringList() << QStringList();
}

void TestLineSort::sortsIgnoringCase()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    sortLinesIgnoringCase(lines);
    QCOMPARE(lines, expected);
}

QTEST_GUILESS_MAIN(TestLineSort)
#include "tst_line_sort.moc"
