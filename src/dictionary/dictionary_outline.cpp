#include "dictionary/dictionary_outline.h"

#include <vector>

namespace dd::dictionary {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isNameEnd(char c) { return isSpace(c) || c == '>' || c == '/' || c == '='; }

struct OpenElement {
    QByteArrayView name;
    qint64 start;
    bool rootTable; // a table element directly under the root
    QString file;
};

// The attribute values of the outline are aliases: plain text, with the five named entities
// and numeric references written by other writers resolved.
QString attributeText(QByteArrayView raw)
{
    const QString text = QString::fromUtf8(raw);
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semicolon = text[i] == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        if (semicolon < 0) {
            out.append(text[i]);
            continue;
        }
        const QStringView entity = QStringView(text).sliced(i + 1, semicolon - i - 1);
        bool number = false;
        uint code = 0;
        if (entity.startsWith(u"#x"))
            code = entity.sliced(2).toUInt(&number, 16);
        else if (entity.startsWith(u'#'))
            code = entity.sliced(1).toUInt(&number, 10);
        if (number && code > 0 && code <= 0x10FFFF) {
            out.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1));
        } else if (entity == u"lt") {
            out.append(QLatin1Char('<'));
        } else if (entity == u"gt") {
            out.append(QLatin1Char('>'));
        } else if (entity == u"amp") {
            out.append(QLatin1Char('&'));
        } else if (entity == u"quot") {
            out.append(QLatin1Char('"'));
        } else if (entity == u"apos") {
            out.append(QLatin1Char('\''));
        } else {
            out.append(text[i]);
            continue;
        }
        i = semicolon;
    }
    return out;
}

class Scanner {
public:
    Scanner(const char *data, qsizetype size) : m_data(data), m_size(size) {}

    Parsed<DictionaryOutline> run();

private:
    qint64 find(QByteArrayView what, qint64 from) const
    {
        const qsizetype at = QByteArrayView(m_data + from, m_size - from).indexOf(what);
        return at < 0 ? -1 : from + at;
    }
    bool startsWith(qint64 at, QByteArrayView what) const
    {
        return QByteArrayView(m_data + at, m_size - at).startsWith(what);
    }
    // Skips a construct that ends with `end`; false when the file ends first.
    bool skipPast(QByteArrayView end)
    {
        const qint64 at = find(end, m_pos);
        if (at < 0)
            return false;
        m_pos = at + end.size();
        return true;
    }
    bool declaresOtherEncodingThanUtf8(qint64 end) const;
    std::optional<ReadError> startTag(qint64 at);
    std::optional<ReadError> endTag(qint64 at);

    const char *m_data;
    qint64 m_size;
    qint64 m_pos = 0;
    bool m_rootSeen = false;
    std::vector<OpenElement> m_open;
    DictionaryOutline m_outline;
};

bool Scanner::declaresOtherEncodingThanUtf8(qint64 end) const
{
    const QByteArrayView declaration(m_data + m_pos, end - m_pos);
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return false;
    qsizetype quote = at;
    while (quote < declaration.size() && declaration[quote] != '"' && declaration[quote] != '\'')
        ++quote;
    if (quote == declaration.size())
        return true;
    const qsizetype close = declaration.indexOf(declaration[quote], quote + 1);
    const QByteArrayView name = declaration.sliced(quote + 1, (close < 0 ? declaration.size() : close) - quote - 1);
    return name.compare("UTF-8", Qt::CaseInsensitive) != 0 && name.compare("UTF8", Qt::CaseInsensitive) != 0;
}

std::optional<ReadError> Scanner::startTag(qint64 at)
{
    qint64 i = at + 1;
    while (i < m_size && !isNameEnd(m_data[i]))
        ++i;
    const QByteArrayView name(m_data + at + 1, i - at - 1);
    if (name.isEmpty())
        return ReadError{QStringLiteral("A tag without a name"), at};
    if (m_open.empty() && m_rootSeen)
        return ReadError{QStringLiteral("A second root element"), at};
    m_rootSeen = true;

    std::optional<QString> file;
    bool empty = false;
    for (;;) {
        while (i < m_size && isSpace(m_data[i]))
            ++i;
        if (i >= m_size)
            return ReadError{QStringLiteral("The tag <%1> is not closed").arg(QString::fromUtf8(name)), at};
        if (m_data[i] == '>') {
            ++i;
            break;
        }
        if (startsWith(i, "/>")) {
            i += 2;
            empty = true;
            break;
        }
        const qint64 nameStart = i;
        while (i < m_size && !isNameEnd(m_data[i]))
            ++i;
        const QByteArrayView attribute(m_data + nameStart, i - nameStart);
        while (i < m_size && isSpace(m_data[i]))
            ++i;
        if (attribute.isEmpty() || i >= m_size || m_data[i] != '=')
            return ReadError{QStringLiteral("A malformed attribute in <%1>").arg(QString::fromUtf8(name)), nameStart};
        ++i;
        while (i < m_size && isSpace(m_data[i]))
            ++i;
        const qint64 close = i < m_size && (m_data[i] == '"' || m_data[i] == '\'') ? find(QByteArrayView(m_data + i, 1), i + 1) : -1;
        if (close < 0)
            return ReadError{QStringLiteral("A malformed attribute in <%1>").arg(QString::fromUtf8(name)), nameStart};
        if (attribute == "file")
            file = attributeText(QByteArrayView(m_data + i + 1, close - i - 1));
        i = close + 1;
    }
    m_pos = i;

    const bool rootTable = m_open.size() == 1 && name == "table" && file;
    if (empty) {
        if (rootTable && !m_outline.tables.contains(*file))
            m_outline.tables.insert(*file, {at, i});
        return std::nullopt;
    }
    m_open.push_back({name, at, rootTable, rootTable ? *file : QString()});
    return std::nullopt;
}

std::optional<ReadError> Scanner::endTag(qint64 at)
{
    const qint64 close = find(">", at);
    if (close < 0)
        return ReadError{QStringLiteral("An end tag is not closed"), at};
    const QByteArrayView name = QByteArrayView(m_data + at + 2, close - at - 2).trimmed();
    if (m_open.empty())
        return ReadError{QStringLiteral("The end tag </%1> has no start tag").arg(QString::fromUtf8(name)), at};
    const OpenElement element = m_open.back();
    if (element.name != name)
        return ReadError{QStringLiteral("The end tag </%1> does not match <%2>").arg(QString::fromUtf8(name), QString::fromUtf8(element.name)), at};
    m_open.pop_back();
    m_pos = close + 1;
    if (element.rootTable && !m_outline.tables.contains(element.file))
        m_outline.tables.insert(element.file, {element.start, m_pos});
    return std::nullopt;
}

Parsed<DictionaryOutline> Scanner::run()
{
    // UTF-16 and UTF-32 files are left to the full parser.
    if (m_size >= 2 && (m_data[0] == '\0' || m_data[1] == '\0' || startsWith(0, "\xFE\xFF") || startsWith(0, "\xFF\xFE"))) {
        m_outline.fragmentsReadable = false;
        return m_outline;
    }
    if (startsWith(0, "\xEF\xBB\xBF"))
        m_pos = 3;
    for (;;) {
        const qint64 at = find("<", m_pos);
        if (at < 0)
            break;
        m_pos = at;
        if (startsWith(at, "<?")) {
            const qint64 end = find("?>", at);
            if (end < 0)
                return ReadError{QStringLiteral("A processing instruction is not closed"), at};
            if (startsWith(at, "<?xml ") && declaresOtherEncodingThanUtf8(end)) {
                m_outline.fragmentsReadable = false;
                return m_outline;
            }
            m_pos = end + 2;
        } else if (startsWith(at, "<!--")) {
            if (!skipPast("-->"))
                return ReadError{QStringLiteral("A comment is not closed"), at};
        } else if (startsWith(at, "<![CDATA[")) {
            if (!skipPast("]]>"))
                return ReadError{QStringLiteral("A CDATA section is not closed"), at};
        } else if (startsWith(at, "<!")) {
            // A document type may declare entities that only a full parse resolves.
            m_outline.fragmentsReadable = false;
            return m_outline;
        } else if (auto error = startsWith(at, "</") ? endTag(at) : startTag(at)) {
            return *error;
        }
    }
    if (!m_open.empty())
        return ReadError{QStringLiteral("The element <%1> is not closed").arg(QString::fromUtf8(m_open.back().name)), m_open.back().start};
    if (!m_rootSeen)
        return ReadError{QStringLiteral("The dictionary file has no root element"), 0};
    return m_outline;
}

} // namespace

Parsed<DictionaryOutline> outlineDictionary(const char *data, qsizetype size)
{
    return Scanner(data, size).run();
}

} // namespace dd::dictionary
