#include "gen_advpl/formatting.h"

#include "model/containers.h"
#include "model/font_component.h"

namespace dd {

bool isBlank(const QString &text) { return text.trimmed().isEmpty(); }

QString paddedName(const QString &text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }

QString zeroFilled(int number, int width)
{
    QString digits = QString::number(number);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    return digits;
}

QString logicalText(bool value) { return value ? QStringLiteral(".T.") : QStringLiteral(".F."); }

QString quotedText(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString doubleQuoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString itemArray(const QStringList &lines)
{
    if (lines.isEmpty())
        return {};
    QString array = QStringLiteral("{");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            array += QLatin1Char(',');
        array += doubleQuoted(lines.at(i));
    }
    return array + QLatin1Char('}');
}

QString fontReference(const TToFont *font) { return font ? font->name() : QString(); }

QString parentReference(const Control &control)
{
    const Control *parent = control.parentControl();
    if (!parent)
        return {};
    // Pages are no objects of the program: the folder creates them as its aDialogs array,
    // which holds the visible pages only.
    const auto *page = qobject_cast<const TTaDialogs *>(parent);
    if (page && page->folder()) {
        const TTFolder &folder = *page->folder();
        return folder.name() + QLatin1String(":aDialogs[") + QString::number(folder.visiblePageNumber(page))
            + QLatin1Char(']');
    }
    return parent->name();
}

} // namespace dd
