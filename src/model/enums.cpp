#include "model/enums.h"

namespace dd {

QChar typeLetter(TTypeGet type)
{
    static constexpr char kLetters[] = {'c', 'n', 'd', 'l', 'a', 'b'};
    return QLatin1Char(kLetters[int(type)]);
}

} // namespace dd
