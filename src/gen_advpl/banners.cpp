#include "gen_advpl/banners.h"

#include <QByteArray>

#include "model/windows1252.h"

namespace dd {
namespace {

constexpr char kShade = char(0xB1);
constexpr char kVertical = char(0xB3);
constexpr char kHorizontal = char(0xC4);
constexpr char kUpperBlock = char(0xDC);
constexpr char kLowerBlock = char(0xDF);
constexpr char kTeeRight = char(0xB4);
constexpr char kTopRight = char(0xBF);
constexpr char kBottomLeft = char(0xC0);
constexpr char kTeeUp = char(0xC1);
constexpr char kTeeDown = char(0xC2);
constexpr char kTeeLeft = char(0xC3);
constexpr char kCross = char(0xC5);
constexpr char kBottomRight = char(0xD9);
constexpr char kTopLeft = char(0xDA);

constexpr int kBannerWidth = 77;
constexpr int kTitleWidth = 75;

// One line written as runs of bytes, as the layout of the boxes is given.
class ByteLine {
public:
    ByteLine &run(int count, char byte)
    {
        m_bytes.append(count, byte);
        return *this;
    }
    ByteLine &byte(char byte) { return run(1, byte); }
    ByteLine &text(const char *ascii)
    {
        m_bytes.append(ascii);
        return *this;
    }
    ByteLine &spaces(int count) { return run(count, ' '); }
    QString toString() const { return fromWindows1252(m_bytes); }

private:
    QByteArray m_bytes;
};

QString fieldLine(const char *label)
{
    return ByteLine().run(2, kShade).byte(kVertical).text(label).byte(kVertical).spaces(60).byte(kVertical)
        .run(2, kShade).toString();
}

QString fieldRule()
{
    return ByteLine().run(2, kShade).byte(kTeeLeft).run(10, kHorizontal).byte(kCross).run(60, kHorizontal)
        .byte(kTeeRight).run(2, kShade).toString();
}

QString dateLine()
{
    return ByteLine().run(2, kShade).byte(kVertical).spaces(14).byte(kVertical).text("  /  /  ").byte(kVertical)
        .spaces(47).byte(kVertical).run(2, kShade).toString();
}

QStringList buildHeaderBox()
{
    const QString shadeLine = ByteLine().run(kBannerWidth, kShade).toString();
    return {
        ByteLine().text("/*").run(75, kUpperBlock).toString(),
        shadeLine,
        ByteLine().run(2, kShade).byte(kTopLeft).run(10, kHorizontal).byte(kTeeDown).run(10, kHorizontal)
            .byte(kTeeDown).run(7, kHorizontal).byte(kTeeDown).run(23, kHorizontal).byte(kTeeDown)
            .run(6, kHorizontal).byte(kTeeDown).run(10, kHorizontal).byte(kTopRight).run(2, kShade).toString(),
        ByteLine().run(2, kShade).byte(kVertical).text("Programa  ").byte(kVertical).spaces(9).byte(kVertical)
            .text(" Autor ").byte(kVertical).spaces(23).byte(kVertical).text(" Data ").byte(kVertical).spaces(11)
            .byte(kVertical).run(2, kShade).toString(),
        ByteLine().run(2, kShade).byte(kTeeLeft).run(10, kHorizontal).byte(kCross).run(10, kHorizontal)
            .byte(kTeeUp).run(7, kHorizontal).byte(kCross).run(8, kHorizontal).byte(kTeeDown).run(14, kHorizontal)
            .byte(kTeeUp).run(6, kHorizontal).byte(kTeeUp).run(10, kHorizontal).byte(kTeeRight).run(2, kShade)
            .toString(),
        ByteLine().run(2, kShade).byte(kVertical).text("Locacao   ").byte(kVertical).spaces(18).byte(kVertical)
            .text("Contato ").byte(kVertical).spaces(32).byte(kVertical).run(2, kShade).toString(),
        ByteLine().run(2, kShade).byte(kTeeLeft).run(10, kHorizontal).byte(kCross).run(18, kHorizontal)
            .byte(kTeeUp).run(8, kHorizontal).byte(kTeeUp).run(32, kHorizontal).byte(kTeeRight).run(2, kShade)
            .toString(),
        fieldLine("Descricao "),
        fieldRule(),
        fieldLine("Parametros"),
        fieldRule(),
        fieldLine("Retorno   "),
        fieldRule(),
        fieldLine("Aplicacao "),
        fieldRule(),
        fieldLine("Uso       "),
        ByteLine().run(2, kShade).byte(kTeeLeft).run(10, kHorizontal).byte(kTeeUp).run(3, kHorizontal)
            .byte(kTeeDown).run(8, kHorizontal).byte(kTeeDown).run(6, kHorizontal).byte(kTeeDown)
            .run(40, kHorizontal).byte(kTeeRight).run(2, kShade).toString(),
        ByteLine().run(2, kShade).byte(kVertical).text("Analista Resp.").byte(kVertical).text("  Data  ")
            .byte(kVertical).spaces(47).byte(kVertical).run(2, kShade).toString(),
        ByteLine().run(2, kShade).byte(kTeeLeft).run(14, kHorizontal).byte(kCross).run(8, kHorizontal)
            .byte(kCross).run(6, kHorizontal).byte(kCross).run(40, kHorizontal).byte(kTeeRight).run(2, kShade)
            .toString(),
        dateLine(),
        dateLine(),
        ByteLine().run(2, kShade).byte(kBottomLeft).run(14, kHorizontal).byte(kTeeUp).run(8, kHorizontal)
            .byte(kTeeUp).run(6, kHorizontal).byte(kTeeUp).run(40, kHorizontal).byte(kBottomRight).run(2, kShade)
            .toString(),
        shadeLine,
        ByteLine().run(75, kLowerBlock).text("*/").toString(),
    };
}

} // namespace

const QStringList &headerBox()
{
    static const QStringList box = buildHeaderBox();
    return box;
}

QStringList sectionBanner(const QString &title)
{
    static const QString top = ByteLine().text("/*").run(13, kHorizontal).byte(kTeeUp).run(8, kHorizontal)
        .byte(kTeeUp).run(6, kHorizontal).byte(kTeeUp).run(42, kHorizontal).byte(kBottomRight).run(2, kShade)
        .toString();
    static const QString bottom = ByteLine().byte(kBottomRight).run(2, kShade).byte(kBottomLeft)
        .run(14, kHorizontal).byte(kTeeUp).run(8, kHorizontal).byte(kTeeUp).run(6, kHorizontal).byte(kTeeUp)
        .run(40, kHorizontal).text("*/").toString();
    static const QString shades = ByteLine().run(2, kShade).toString();
    const QString middle = QString(shades + QLatin1Char(' ') + title).leftJustified(kTitleWidth) + shades;
    return {top, middle, bottom};
}

QStringList functionBanner(const QString &title)
{
    static const QString top = ByteLine().text("/*").run(6, kHorizontal).byte(kTeeDown).run(10, kHorizontal)
        .byte(kTeeDown).run(7, kHorizontal).byte(kTeeDown).run(23, kHorizontal).byte(kTeeDown).run(6, kHorizontal)
        .byte(kTeeDown).run(19, kHorizontal).toString();
    static const QString bottom = ByteLine().run(10, kHorizontal).byte(kCross).run(10, kHorizontal).byte(kTeeUp)
        .run(7, kHorizontal).byte(kTeeUp).run(23, kHorizontal).byte(kTeeUp).run(6, kHorizontal).byte(kTeeUp)
        .run(15, kHorizontal).text("*/").toString();
    static const QString head = ByteLine().text("Function  ").byte(kVertical).text(" ").toString();
    return {top, head + title, bottom};
}

} // namespace dd
