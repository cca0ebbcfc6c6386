#pragma once
// Tokens of the text form. Line breaks are only separators; the reader works on tokens.
#include <QByteArray>
#include <QString>

namespace dd::stream {

struct Token {
    enum class Type { EndOfText, Identifier, Integer, Real, String, Binary, Symbol, Error };

    Type type = Type::EndOfText;
    int line = 1;
    int column = 1;
    QStringView lexeme;      // the source characters (without a number's suffix)
    char16_t symbol = 0;     // Symbol: one of = : [ ] ( ) < > , + -
    char16_t suffix = 0;     // Real: 's', 'c', 'd' or 0
    quint64 magnitude = 0;   // Integer
    QString text;            // String: the decoded characters; Error: the message
    bool unicode = false;    // String: a #code above 127 was used
    QByteArray bytes;        // Binary: the data between braces
};

class TextLexer {
public:
    explicit TextLexer(QStringView text) : text_(text) {}

    Token next();

private:
    Token error(const QString &message, qsizetype at);
    Token lexIdentifier(Token token);
    Token lexNumber(Token token);
    Token lexHexInteger(Token token);
    Token lexString(Token token);
    Token lexBinary(Token token);
    bool lexCharacterCode(Token &token, Token &failure);
    void skipBlanks();
    int columnOf(qsizetype at) const { return int(at - lineStart_) + 1; }

    QStringView text_;
    qsizetype pos_ = 0;
    qsizetype lineStart_ = 0;
    int line_ = 1;
};

} // namespace dd::stream
