#include "dictionary/read_error.h"

namespace dd::dictionary {

QString describe(const ReadError &error)
{
    if (error.offset < 0)
        return error.message;
    return QStringLiteral("%1 (at byte %2)").arg(error.message).arg(error.offset);
}

} // namespace dd::dictionary
