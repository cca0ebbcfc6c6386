#pragma once
// Readable QCOMPARE failures for stream trees: values and objects print as their text form.
#include "designfile/stream_text.h"

#include <QTest>

namespace dd::stream {

inline char *toString(const ObjectNode &node)
{
    return QTest::toString(writeTextForm(node));
}

inline char *toString(const Value &value)
{
    ObjectNode holder;
    holder.className = QStringLiteral("T");
    holder.properties = {{QStringLiteral("P"), value}};
    return toString(holder);
}

} // namespace dd::stream
