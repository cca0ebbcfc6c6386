#include <QtTest>

#include "gen_advpl/banners.h"
#include "model/windows1252.h"

using namespace dd;

namespace {

QByteArray bytes(const QString &line)
{
    qsizetype unmappable = 0;
    const QByteArray encoded = toWindows1252(line, &unmappable);
    return unmappable == 0 ? encoded : QByteArray("<unmappable>");
}

QByteArray run(int count, unsigned char byte) { return QByteArray(count, char(byte)); }

// The bytes of a line given as its runs.
template <typename... Parts>
QByteArray line(const Parts &...parts)
{
    QByteArray bytes;
    ((bytes += parts), ...);
    return bytes;
}

// The lines of a saved program, without their CR LF.
QList<QByteArray> fixtureLines(const char *name)
{
    QFile file(QStringLiteral(DD_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray &line : lines)
        line.chop(1);
    return lines;
}

} // namespace

class TestBanners : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerBoxMatchesSavedProgram();
    void headerBoxLinesAreExact();
    void sectionBannerIsSeventySevenBytes_data();
    void sectionBannerIsSeventySevenBytes();
    void sectionBannerMatchesSavedProgram();
    void functionBanner();
};

void TestBanners::headerBoxMatchesSavedProgram()
{
    const QList<QByteArray> saved = fixtureLines("dialog-basic.prw");
    QVERIFY(saved.size() > 29);
    const QStringList &box = headerBox();
    QCOMPARE(box.size(), 24);
    for (int i = 0; i < box.size(); ++i)
        QCOMPARE(bytes(box.at(i)), saved.at(5 + i));
}

void TestBanners::headerBoxLinesAreExact()
{
    const QStringList &box = headerBox();
    for (const QString &boxLine : box)
        QCOMPARE(bytes(boxLine).size(), 77);
    QCOMPARE(bytes(box.at(0)), line("/*", run(75, 0xDC)));
    QCOMPARE(bytes(box.at(1)), run(77, 0xB1));
    QCOMPARE(bytes(box.at(3)), line(run(2, 0xB1), run(1, 0xB3), "Programa  ", run(1, 0xB3), run(9, ' '),
                                    run(1, 0xB3), " Autor ", run(1, 0xB3), run(23, ' '), run(1, 0xB3), " Data ",
                                    run(1, 0xB3), run(11, ' '), run(1, 0xB3), run(2, 0xB1)));
    QCOMPARE(bytes(box.at(16)), line(run(2, 0xB1), run(1, 0xC3), run(10, 0xC4), run(1, 0xC1), run(3, 0xC4),
                                     run(1, 0xC2), run(8, 0xC4), run(1, 0xC2), run(6, 0xC4), run(1, 0xC2),
                                     run(40, 0xC4), run(1, 0xB4), run(2, 0xB1)));
    QCOMPARE(bytes(box.at(19)), bytes(box.at(20)));
    QCOMPARE(bytes(box.at(19)), line(run(2, 0xB1), run(1, 0xB3), run(14, ' '), run(1, 0xB3), "  /  /  ",
                                     run(1, 0xB3), run(47, ' '), run(1, 0xB3), run(2, 0xB1)));
    QCOMPARE(bytes(box.at(21)), line(run(2, 0xB1), run(1, 0xC0), run(14, 0xC4), run(1, 0xC1), run(8, 0xC4),
                                     run(1, 0xC1), run(6, 0xC4), run(1, 0xC1), run(40, 0xC4), run(1, 0xD9),
                                     run(2, 0xB1)));
    QCOMPARE(bytes(box.at(23)), line(run(75, 0xDF), "*/"));
}

void TestBanners::sectionBannerIsSeventySevenBytes_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("definition") << "Definicao do Dialog e todos os seus componentes.";
    QTest::newRow("objects") << "Declaração de Variaveis Private dos Objetos";
    QTest::newRow("cVariable") << "Declaração de cVariable dos componentes";
    QTest::newRow("local") << "Declaração de Variaveis do Tipo Local";
    QTest::newRow("private and public") << "Declaração de Variaveis do Tipo Private e Public";
}

void TestBanners::sectionBannerIsSeventySevenBytes()
{
    QFETCH(QString, title);
    const QStringList banner = sectionBanner(title);
    QCOMPARE(banner.size(), 3);
    QCOMPARE(bytes(banner.at(0)), line("/*", run(13, 0xC4), run(1, 0xC1), run(8, 0xC4), run(1, 0xC1),
                                       run(6, 0xC4), run(1, 0xC1), run(42, 0xC4), run(1, 0xD9), run(2, 0xB1)));
    const QByteArray title1252 = bytes(title);
    QCOMPARE(bytes(banner.at(1)), line(run(2, 0xB1), " ", title1252, run(75 - 3 - int(title1252.size()), ' '),
                                       run(2, 0xB1)));
    QCOMPARE(bytes(banner.at(2)), line(run(1, 0xD9), run(2, 0xB1), run(1, 0xC0), run(14, 0xC4), run(1, 0xC1),
                                       run(8, 0xC4), run(1, 0xC1), run(6, 0xC4), run(1, 0xC1), run(40, 0xC4),
                                       "*/"));
    for (const QString &bannerLine : banner)
        QCOMPARE(bytes(bannerLine).size(), 77);
}

void TestBanners::sectionBannerMatchesSavedProgram()
{
    const QList<QByteArray> saved = fixtureLines("dialog-basic.prw");
    const int at = int(saved.indexOf(QByteArray("Private cNome      := Space(30)")));
    QVERIFY(at >= 3);
    const QStringList banner = sectionBanner(QStringLiteral("Declaração de cVariable dos componentes"));
    QCOMPARE(bytes(banner.at(0)), saved.at(at - 3));
    QCOMPARE(bytes(banner.at(1)), line("\xB1\xB1 Declara\xE7\xE3o de cVariable dos componentes", run(33, ' '),
                                       "\xB1\xB1"));
    QCOMPARE(bytes(banner.at(1)), saved.at(at - 2));
    QCOMPARE(bytes(banner.at(2)), saved.at(at - 1));
}

void TestBanners::functionBanner()
{
    const QStringList banner = dd::functionBanner(QStringLiteral("Calcula(nA, nB)"));
    QCOMPARE(banner.size(), 3);
    QCOMPARE(bytes(banner.at(0)), line("/*", run(6, 0xC4), run(1, 0xC2), run(10, 0xC4), run(1, 0xC2),
                                       run(7, 0xC4), run(1, 0xC2), run(23, 0xC4), run(1, 0xC2), run(6, 0xC4),
                                       run(1, 0xC2), run(19, 0xC4)));
    QCOMPARE(bytes(banner.at(0)).size(), 78);
    QCOMPARE(bytes(banner.at(1)), QByteArray("Function  \xB3 Calcula(nA, nB)"));
    QCOMPARE(bytes(banner.at(2)), line(run(10, 0xC4), run(1, 0xC5), run(10, 0xC4), run(1, 0xC1), run(7, 0xC4),
                                       run(1, 0xC1), run(23, 0xC4), run(1, 0xC1), run(6, 0xC4), run(1, 0xC1),
                                       run(15, 0xC4), "*/"));
    QCOMPARE(bytes(banner.at(2)).size(), 78);
}

QTEST_GUILESS_MAIN(TestBanners)
#include "tst_banners.moc"
