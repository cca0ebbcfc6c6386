#include "designfile/stream_binary.h"
#include "designfile/stream_property_gatherer.h"
#include "designfile/stream_text.h"
#include "designfile/stream_text_lexer.h"

#include <QHash>
#include <QtNumeric>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace dd::stream {
namespace {

// The amount * 10000 of a currency literal, exactly; nullopt when it does not fit in 64 bits.
std::optional<quint64> currencyMagnitude(QStringView lexeme)
{
    // Significant digits, and the power of ten of the last one.
    QByteArray digits;
    int exponent = 0;
    qsizetype i = 0;
    for (bool fraction = false; i < lexeme.size() && lexeme[i] != u'E' && lexeme[i] != u'e'; ++i) {
        const char16_t c = lexeme[i].unicode();
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (!digits.isEmpty() || c != '0')
            digits += char(c);
        exponent -= fraction;
    }
    if (i < lexeme.size()) {
        const QByteArray tail = lexeme.mid(i + 1).toLatin1();
        int e = 0;
        const char *begin = tail.constData() + tail.startsWith('+');
        if (std::from_chars(begin, tail.constData() + tail.size(), e).ec != std::errc() || std::abs(e) > 1000)
            return std::nullopt;
        exponent += e;
    }
    exponent += 4; // amount * 10000
    bool roundUp = false; // digits below the unit are dropped, rounding half away from zero
    if (exponent < 0) {
        const qsizetype keep = digits.size() + exponent;
        roundUp = keep >= 0 && digits[keep] >= '5';
        digits.truncate(std::max<qsizetype>(keep, 0));
        exponent = 0;
    }
    quint64 magnitude = 0;
    for (char d : digits)
        if (qMulOverflow(magnitude, quint64(10), &magnitude) || qAddOverflow(magnitude, quint64(d - '0'), &magnitude))
            return std::nullopt;
    for (; exponent > 0 && magnitude; --exponent)
        if (qMulOverflow(magnitude, quint64(10), &magnitude))
            return std::nullopt;
    if (qAddOverflow(magnitude, quint64(roundUp), &magnitude))
        return std::nullopt;
    return magnitude;
}

class TextReader {
public:
    explicit TextReader(QStringView text) : lexer_(text), current_(lexer_.next()), next_(lexer_.next()) {}

    bool atEnd() const { return current_.type == Token::Type::EndOfText; }

    bool readObject(ObjectNode &node, int depth)
    {
        if (!startsObject())
            return fail(QStringLiteral("'object' expected"));
        const bool isInherited = isKeyword(current_, u"inherited");
        const bool isInline = isKeyword(current_, u"inline");
        if (!enter(depth))
            return false;
        node.flags = isInherited ? ObjectNode::Inherited : isInline ? ObjectNode::Inline : 0;
        advance();
        if (!atName())
            return fail(QStringLiteral("name expected"));
        const QStringView first = current_.lexeme; // the object name, or the class of an unnamed one
        advance();
        if (isSymbol(current_, u':')) {
            advance();
            node.name = first.toString(); // unique, not worth sharing
            if (!expectName(node.className))
                return false;
        } else {
            node.className = sharedName(first);
        }
        if (isSymbol(current_, u'[')) {
            advance();
            qint32 position = 0;
            if (!expectSmallInteger(position))
                return false;
            node.childPosition = position;
            node.flags |= ObjectNode::ChildPosition;
        }
        std::vector<Property> &gathered = properties_.start(depth);
        while (startsProperty())
            if (!readProperty(gathered.emplace_back(), depth))
                return false;
        node.properties = PropertyGatherer::take(gathered);
        for (;;) {
            if (startsProperty())
                return fail(QStringLiteral("property after a child object"));
            if (isKeyword(current_, u"end")) {
                advance();
                return true;
            }
            if (startsObject()) {
                if (!readObject(node.children.emplace_back(), depth + 1))
                    return false;
            } else if (current_.type == Token::Type::Identifier) {
                advance(); // a name without '=': point at what follows it
                return fail(QStringLiteral("'=' expected"));
            } else {
                return fail(QStringLiteral("property, object or 'end' expected"));
            }
        }
    }

    bool fail(const QString &message)
    {
        if (!error_.message.isEmpty())
            return false;
        QString what = current_.text; // an Error token's own message
        if (current_.type == Token::Type::EndOfText)
            what = message % u" at the end of the text";
        else if (current_.type != Token::Type::Error)
            what = message % u", found '" % current_.lexeme % u'\'';
        error_ = {QStringLiteral("Line %1, column %2: %3").arg(current_.line).arg(current_.column).arg(what),
                  current_.line};
        return false;
    }

    const StreamError &error() const { return error_; }

private:
    void advance()
    {
        current_ = std::move(next_);
        next_ = lexer_.next();
    }

    static bool isKeyword(const Token &t, QStringView word)
    {
        return t.type == Token::Type::Identifier && t.lexeme.size() == word.size()
            && t.lexeme.compare(word, Qt::CaseInsensitive) == 0;
    }

    static bool isSymbol(const Token &t, char16_t symbol) { return t.type == Token::Type::Symbol && t.symbol == symbol; }

    bool startsObject() const
    {
        return isKeyword(current_, u"object") || isKeyword(current_, u"inherited") || isKeyword(current_, u"inline");
    }

    // A name followed by '=' is a property even when it reads like a keyword.
    bool startsProperty() const { return current_.type == Token::Type::Identifier && isSymbol(next_, u'='); }

    bool enter(int depth)
    {
        return depth <= kMaxNesting || fail(QStringLiteral("nesting deeper than %1 levels").arg(kMaxNesting));
    }

    bool expect(char16_t symbol)
    {
        if (!isSymbol(current_, symbol))
            return fail(u"'" % QChar(symbol) % u"' expected");
        advance();
        return true;
    }

    bool atName() const { return current_.type == Token::Type::Identifier && isIdentifier(current_.lexeme); }

    bool expectName(QString &out)
    {
        if (!atName())
            return fail(QStringLiteral("name expected"));
        out = sharedName(current_.lexeme);
        advance();
        return true;
    }

    // Names repeat all over a design: one shared QString per distinct name.
    QString sharedName(QStringView name)
    {
        auto known = names_.constFind(name);
        if (known == names_.cend())
            known = names_.insert(name, name.toString());
        return *known;
    }

    bool expectSmallInteger(qint32 &out)
    {
        const bool negative = isSymbol(current_, u'-');
        if (negative)
            advance();
        const quint64 limit = negative ? quint64(1) << 31 : (quint64(1) << 31) - 1;
        if (current_.type != Token::Type::Integer || current_.magnitude > limit)
            return fail(QStringLiteral("32-bit integer expected"));
        out = qint32(negative ? 0 - current_.magnitude : current_.magnitude);
        advance();
        return expect(u']');
    }

    bool readProperty(Property &property, int depth)
    {
        if (!expectName(property.name) || !expect(u'='))
            return false;
        return readValue(property.value, depth);
    }

    bool readValue(Value &out, int depth)
    {
        switch (current_.type) {
        case Token::Type::String: return readString(out);
        case Token::Type::Integer:
        case Token::Type::Real: return readNumber(out, false);
        case Token::Type::Binary:
            out = Value::binary(current_.bytes);
            advance();
            return true;
        case Token::Type::Identifier:
            if (!isIdentifier(current_.lexeme))
                return fail(QStringLiteral("value expected"));
            out = Value::identifier(sharedName(current_.lexeme));
            advance();
            return true;
        case Token::Type::Symbol:
            switch (current_.symbol) {
            case u'-':
                advance();
                if (current_.type != Token::Type::Integer && current_.type != Token::Type::Real)
                    return fail(QStringLiteral("number expected"));
                return readNumber(out, true);
            case u'[': return readSet(out);
            case u'(': return readList(out, depth + 1);
            case u'<': return readCollection(out, depth + 1);
            default: break;
            }
            break;
        case Token::Type::EndOfText:
        case Token::Type::Error: break;
        }
        return fail(QStringLiteral("value expected"));
    }

    bool readString(Value &out)
    {
        QString text = std::move(current_.text);
        bool unicode = current_.unicode;
        advance();
        while (isSymbol(current_, u'+')) {
            advance();
            if (current_.type != Token::Type::String)
                return fail(QStringLiteral("string expected after '+'"));
            text += current_.text;
            unicode |= current_.unicode;
            advance();
        }
        out = Value::text(text, unicode);
        return true;
    }

    bool readNumber(Value &out, bool negative)
    {
        const Token &t = current_;
        if (t.type == Token::Type::Integer) {
            const quint64 limit = negative ? quint64(1) << 63 : (quint64(1) << 63) - 1;
            if (t.magnitude > limit)
                return fail(QStringLiteral("integer out of range"));
            out = Value::integer(qint64(negative ? 0 - t.magnitude : t.magnitude));
        } else if (t.suffix == u'c') {
            const std::optional<quint64> magnitude = currencyMagnitude(t.lexeme);
            const quint64 limit = negative ? quint64(1) << 63 : (quint64(1) << 63) - 1;
            if (!magnitude || *magnitude > limit)
                return fail(QStringLiteral("currency out of range"));
            out = Value::currency(qint64(negative ? 0 - *magnitude : *magnitude));
        } else {
            const QByteArray ascii = t.lexeme.toLatin1();
            double v = 0;
            const auto [end, ec] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), v);
            if (ec != std::errc() || (t.suffix == u's' && !std::isfinite(float(v))))
                return fail(QStringLiteral("number out of range"));
            v = negative ? -v : v;
            out = t.suffix == u's' ? Value::single(v) : t.suffix == u'd' ? Value::date(v) : Value::extended(v);
        }
        advance();
        return true;
    }

    bool readSet(Value &out)
    {
        advance();
        QStringList names;
        while (!isSymbol(current_, u']')) {
            if (!names.isEmpty() && !expect(u','))
                return false;
            if (!expectName(names.emplace_back()))
                return false;
        }
        advance();
        out = Value::set(names);
        return true;
    }

    bool readList(Value &out, int depth)
    {
        if (!enter(depth))
            return false;
        advance();
        QList<Value> values;
        while (!isSymbol(current_, u')')) {
            if (isKeyword(current_, u"Null")) // its tag would end the list in the binary form
                return fail(QStringLiteral("Null cannot be a list item"));
            if (!readValue(values.emplace_back(), depth))
                return false;
        }
        advance();
        out = Value::list(values);
        return true;
    }

    bool readCollection(Value &out, int depth)
    {
        if (!enter(depth))
            return false;
        advance();
        QList<CollectionItem> items;
        while (!isSymbol(current_, u'>')) {
            if (!isKeyword(current_, u"item"))
                return fail(QStringLiteral("'item' expected"));
            advance();
            CollectionItem &item = items.emplace_back();
            if (isSymbol(current_, u'[')) {
                advance();
                qint32 index = 0;
                if (!expectSmallInteger(index))
                    return false;
                item.index = index;
            }
            std::vector<Property> &gathered = properties_.start(depth);
            while (startsProperty())
                if (!readProperty(gathered.emplace_back(), depth))
                    return false;
            item.properties = PropertyGatherer::take(gathered);
            if (!isKeyword(current_, u"end"))
                return fail(QStringLiteral("property or 'end' expected"));
            advance();
        }
        advance();
        out = Value::collection(items);
        return true;
    }

    TextLexer lexer_;
    Token current_;
    Token next_;
    StreamError error_;
    PropertyGatherer properties_;
    QHash<QStringView, QString> names_; // views into the text being read
};

} // namespace

Result<QList<ObjectNode>> readTextObjects(QStringView text)
{
    TextReader reader(text);
    QList<ObjectNode> objects;
    while (!reader.atEnd())
        if (!reader.readObject(objects.emplace_back(), 1))
            return Result<QList<ObjectNode>>::failure(reader.error());
    return {objects, {}};
}

Result<ObjectNode> readTextForm(QStringView text)
{
    TextReader reader(text);
    ObjectNode root;
    if (!reader.readObject(root, 1))
        return Result<ObjectNode>::failure(reader.error());
    if (!reader.atEnd()) {
        reader.fail(QStringLiteral("end of text expected after the object"));
        return Result<ObjectNode>::failure(reader.error());
    }
    return {root, {}};
}

} // namespace dd::stream
