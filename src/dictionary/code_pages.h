#pragma once
// The code pages of dBASE texts. A table names its code page by the language-driver byte of
// its header; its texts become QString through one table of 256 characters.
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

namespace dd::dictionary {

// The code pages this reader carries: the DOS pages 437, 850 and 860 and Windows-1252.
enum class CodePage { Oem437 = 437, Oem850 = 850, Oem860 = 860, Windows1252 = 1252 };

// The code page of a language-driver byte; 850 for a byte that names none of ours.
CodePage codePageOfLanguageDriver(std::uint8_t driver);

// Decodes the texts of one code page. With `windows1252Only`, characters Windows-1252 cannot
// hold become '?', as the ERP's OEM-to-ANSI conversion of descriptions leaves them.
class TextDecoder {
public:
    explicit TextDecoder(CodePage page, bool windows1252Only = false);

    QString decode(QByteArrayView bytes) const;
    // Decodes into `out`, reusing its buffer: the import decodes millions of short texts.
    void decode(QByteArrayView bytes, QString &out) const;

private:
    std::array<char16_t, 256> m_characters;
};

} // namespace dd::dictionary
