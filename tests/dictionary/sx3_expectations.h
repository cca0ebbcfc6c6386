#pragma once
// What an import must write, taken from the other implementation's listing of a table in tag
// order (tag-order.txt, or `mksx3 --dump`), and what an import did write, read back with
// Qt's XML reader.
#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include "model/windows1252.h"

namespace sx3_expectations {

struct Field {
    QString table, order, field, type, help, title, use, size;
    bool operator==(const Field &) const = default;
};

inline QString zeroFilled(const QByteArray &digits) { return QString::fromLatin1(digits).rightJustified(3, QLatin1Char('0')); }

// "\xNN" stands for a byte above 127.
inline QByteArray unescaped(const QByteArray &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            out.append(char(text.mid(i + 2, 2).toInt(nullptr, 16)));
            i += 3;
        } else {
            out.append(text[i]);
        }
    }
    return out;
}

// Lines "X3_ARQUIVO|X3_ORDEM|X3_CAMPO|X3_TAMANHO|X3_TIPO|X3_TITULO|X3_DESCRIC|X3_USADO",
// texts in code page 850; nothing when Qt has no converter for it.
inline QList<Field> listedFields(const QByteArray &listing)
{
    QStringDecoder oem("IBM850");
    QList<Field> fields;
    const QList<QByteArray> lines = listing.split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> c = line.split('|');
        if (c.size() != 8 || !oem.isValid())
            return {};
        auto plain = [](const QByteArray &v) { return dd::fromWindows1252(unescaped(v)); };
        // Converted for Windows-1252, which has '?' for what it cannot hold.
        auto converted = [&oem](const QByteArray &v) {
            return dd::fromWindows1252(dd::toWindows1252(QString(oem.decode(unescaped(v)))));
        };
        fields.append({plain(c[0]), plain(c[1]), plain(c[2]), plain(c[4]), converted(c[6]), converted(c[5]), plain(c[7]),
                       zeroFilled(c[3])});
    }
    return fields;
}

struct Dictionary {
    QString app;
    QList<QList<Field>> tables; // one list per table element
    QString problem;            // what is wrong with the file's shape, if anything
};

inline Dictionary readDictionary(const QString &path)
{
    Dictionary dic;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {}, QStringLiteral("no file")};
    QXmlStreamReader xml(&file);
    const QStringList order{"order", "field", "type", "help", "title", "use", "size"};
    if (!xml.readNextStartElement() || xml.name() != u"dicdados")
        return {{}, {}, QStringLiteral("no dicdados root")};
    dic.app = xml.attributes().value(QLatin1String("app")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != u"table")
            return {{}, {}, QStringLiteral("a root child that is not a table")};
        const QString alias = xml.attributes().value(QLatin1String("file")).toString();
        QList<Field> fields;
        while (xml.readNextStartElement()) {
            QStringList names;
            const QXmlStreamAttributes a = xml.attributes();
            for (const QXmlStreamAttribute &attribute : a)
                names.append(attribute.name().toString());
            if (xml.name() != u"fields" || names != order)
                return {{}, {}, QStringLiteral("a field element with the attributes %1").arg(names.join(u' '))};
            auto v = [&a](const char *name) { return a.value(QLatin1String(name)).toString(); };
            fields.append({alias, v("order"), v("field"), v("type"), v("help"), v("title"), v("use"), v("size")});
            if (xml.readNext() != QXmlStreamReader::EndElement)
                return {{}, {}, QStringLiteral("a field element that is not empty")};
        }
        dic.tables.append(fields);
    }
    if (xml.hasError())
        dic.problem = xml.errorString();
    return dic;
}

inline QList<Field> allFields(const Dictionary &dic)
{
    QList<Field> all;
    for (const QList<Field> &table : dic.tables)
        all.append(table);
    return all;
}

} // namespace sx3_expectations
