#include "designfile/stream_text_lexer.h"

namespace dd::stream {
namespace {

bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

bool isIdentifierChar(QChar c) { return isLetter(c) || isDigit(c) || c == u'.'; }

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

constexpr quint64 kMaxMagnitude = quint64(1) << 63; // the magnitude of the most negative qint64
constexpr char32_t kMaxCodePoint = 0x10FFFF;

} // namespace

Token TextLexer::error(const QString &message, qsizetype at)
{
    Token token;
    token.type = Token::Type::Error;
    token.line = line_;
    token.column = columnOf(at);
    token.text = message;
    pos_ = text_.size(); // nothing after an error is read
    return token;
}

void TextLexer::skipBlanks()
{
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_];
        if (c == u'\n') {
            ++line_;
            lineStart_ = pos_ + 1;
        } else if (c != u' ' && c != u'\t' && c != u'\r') {
            return;
        }
        ++pos_;
    }
}

Token TextLexer::next()
{
    skipBlanks();
    Token token;
    token.line = line_;
    token.column = columnOf(pos_);
    if (pos_ == text_.size())
        return token;
    const QChar c = text_[pos_];
    if (isLetter(c))
        return lexIdentifier(std::move(token));
    if (isDigit(c))
        return lexNumber(std::move(token));
    if (c == u'$')
        return lexHexInteger(std::move(token));
    if (c == u'\'' || c == u'#')
        return lexString(std::move(token));
    if (c == u'{')
        return lexBinary(std::move(token));
    if (QStringView(u"=:[]()<>,+-").contains(c)) {
        token.type = Token::Type::Symbol;
        token.symbol = c.unicode();
        token.lexeme = text_.mid(pos_++, 1);
        return token;
    }
    return error(QStringLiteral("unexpected character '%1'").arg(c), pos_);
}

Token TextLexer::lexIdentifier(Token token)
{
    const qsizetype start = pos_;
    while (pos_ < text_.size() && isIdentifierChar(text_[pos_]))
        ++pos_;
    token.type = Token::Type::Identifier;
    token.lexeme = text_.mid(start, pos_ - start);
    return token;
}

Token TextLexer::lexNumber(Token token)
{
    const qsizetype start = pos_;
    const auto digitsAt = [this](qsizetype at) { return at < text_.size() && isDigit(text_[at]); };
    while (digitsAt(pos_))
        ++pos_;
    bool real = false;
    if (pos_ < text_.size() && text_[pos_] == u'.' && digitsAt(pos_ + 1)) {
        real = true;
        for (++pos_; digitsAt(pos_);)
            ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == u'E' || text_[pos_] == u'e')) {
        const qsizetype sign = pos_ + 1 < text_.size() && (text_[pos_ + 1] == u'+' || text_[pos_ + 1] == u'-');
        if (digitsAt(pos_ + 1 + sign)) {
            real = true;
            for (pos_ += 1 + sign; digitsAt(pos_);)
                ++pos_;
        }
    }
    token.lexeme = text_.mid(start, pos_ - start);
    if (pos_ < text_.size() && QStringView(u"scdSCD").contains(text_[pos_])
        && !(pos_ + 1 < text_.size() && isIdentifierChar(text_[pos_ + 1]))) {
        token.suffix = text_[pos_++].toLower().unicode();
        real = true;
    }
    if (pos_ < text_.size() && isIdentifierChar(text_[pos_]))
        return error(QStringLiteral("bad number '%1'").arg(text_.mid(start, pos_ + 1 - start)), start);
    token.type = real ? Token::Type::Real : Token::Type::Integer;
    if (!real) {
        for (QChar d : token.lexeme) {
            const unsigned digit = d.unicode() - '0';
            if (token.magnitude > (kMaxMagnitude - digit) / 10) // checked before it could wrap
                return error(QStringLiteral("integer out of range: %1").arg(token.lexeme), start);
            token.magnitude = token.magnitude * 10 + digit;
        }
    }
    return token;
}

Token TextLexer::lexHexInteger(Token token)
{
    const qsizetype start = pos_++;
    while (pos_ < text_.size() && hexDigit(text_[pos_]) >= 0) {
        if (token.magnitude >> 60)
            return error(QStringLiteral("integer out of range: %1").arg(text_.mid(start, pos_ + 1 - start)), start);
        token.magnitude = (token.magnitude << 4) | quint64(hexDigit(text_[pos_++]));
    }
    if (pos_ == start + 1 || (pos_ < text_.size() && isIdentifierChar(text_[pos_])))
        return error(QStringLiteral("bad number '%1'").arg(text_.mid(start, pos_ + 1 - start)), start);
    token.type = Token::Type::Integer;
    token.lexeme = text_.mid(start, pos_ - start);
    return token;
}

// A string is a run of 'quoted' parts and #codes with nothing between them.
Token TextLexer::lexString(Token token)
{
    const qsizetype start = pos_;
    while (pos_ < text_.size()) {
        if (text_[pos_] == u'#') {
            Token failure;
            if (!lexCharacterCode(token, failure))
                return failure;
            continue;
        }
        if (text_[pos_] != u'\'')
            break;
        const qsizetype open = pos_++;
        for (;;) {
            qsizetype end = pos_;
            while (end < text_.size() && text_[end] != u'\'' && text_[end] != u'\n' && text_[end] != u'\r')
                ++end;
            if (end == text_.size() || text_[end] != u'\'')
                return error(QStringLiteral("unterminated string"), open);
            token.text += text_.mid(pos_, end - pos_);
            pos_ = end + 1;
            if (pos_ < text_.size() && text_[pos_] == u'\'') { // a doubled quote stands for one
                token.text += u'\'';
                ++pos_;
                continue;
            }
            break;
        }
    }
    token.type = Token::Type::String;
    token.lexeme = text_.mid(start, pos_ - start);
    return token;
}

bool TextLexer::lexCharacterCode(Token &token, Token &failure)
{
    const qsizetype start = pos_++;
    const bool hex = pos_ < text_.size() && text_[pos_] == u'$';
    pos_ += hex;
    const qsizetype digitsStart = pos_;
    char32_t code = 0;
    while (pos_ < text_.size() && (hex ? hexDigit(text_[pos_]) >= 0 : isDigit(text_[pos_]))) {
        code = code * (hex ? 16 : 10) + char32_t(hex ? hexDigit(text_[pos_]) : text_[pos_].unicode() - '0');
        ++pos_;
        if (code > kMaxCodePoint)
            break;
    }
    if (pos_ == digitsStart || code > kMaxCodePoint) {
        failure = error(QStringLiteral("bad character code '%1'").arg(text_.mid(start, pos_ - start)), start);
        return false;
    }
    if (QChar::requiresSurrogates(code)) {
        token.text += QChar(QChar::highSurrogate(code));
        token.text += QChar(QChar::lowSurrogate(code));
    } else {
        token.text += QChar(char16_t(code));
    }
    token.unicode |= code > 127;
    return true;
}

Token TextLexer::lexBinary(Token token)
{
    const qsizetype open = pos_++;
    QByteArray hexDigits;
    for (;;) {
        skipBlanks();
        if (pos_ == text_.size())
            return error(QStringLiteral("unterminated binary data"), pos_);
        const QChar c = text_[pos_];
        if (c == u'}')
            break;
        if (hexDigit(c) < 0)
            return error(QStringLiteral("bad character '%1' in binary data").arg(c), pos_);
        hexDigits += char(c.unicode());
        ++pos_;
    }
    if (hexDigits.size() % 2)
        return error(QStringLiteral("odd number of hex digits in binary data"), pos_);
    ++pos_;
    token.type = Token::Type::Binary;
    token.bytes = QByteArray::fromHex(hexDigits);
    token.lexeme = text_.mid(open, pos_ - open);
    return token;
}

} // namespace dd::stream
