#include "designfile/stream_value.h"

namespace dd::stream {

Value Value::identifier(const QString &name)
{
    const auto is = [&name](QStringView word) {
        return name.size() == word.size() && name.compare(word, Qt::CaseInsensitive) == 0;
    };
    if (is(u"True"))
        return boolean(true);
    if (is(u"False"))
        return boolean(false);
    if (is(u"nil"))
        return nil();
    if (is(u"Null"))
        return null();
    return {Kind::Identifier, false, name};
}

bool isIdentifier(QStringView name)
{
    if (name.isEmpty() || name.size() > 255) // a short string holds at most 255 bytes
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool follower = (c >= '0' && c <= '9') || c == '.';
        if (!letter && !(follower && i > 0))
            return false;
    }
    return true;
}

} // namespace dd::stream
