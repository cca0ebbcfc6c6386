// Any bytes, read as a design file and as a text form: reading must fail cleanly, or give a tree
// that converts back and forth without changing after the first write.
#include "designfile/resource_header.h"
#include "designfile/stream_binary.h"
#include "designfile/stream_text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    using namespace dd::stream;
    const char *bytes = reinterpret_cast<const char *>(data);
    const Result<ObjectNode> tree = readDesignFile(QByteArray::fromRawData(bytes, qsizetype(size)));
    if (tree.ok()) {
        const QByteArray binary = writeBinaryStream(*tree.value);
        const Result<ObjectNode> fromText = readTextForm(writeTextForm(*tree.value));
        const Result<ObjectNode> fromBinary = readBinaryStream(binary.constData(), binary.size());
        if (!fromText.ok() || writeBinaryStream(*fromText.value) != binary || !fromBinary.ok()
            || writeBinaryStream(*fromBinary.value) != binary)
            std::abort();
    }
    const Result<QList<ObjectNode>> objects = readTextObjects(QString::fromLatin1(bytes, qsizetype(size)));
    if (objects.ok()) {
        const QString text = writeTextObjects(*objects.value);
        const Result<QList<ObjectNode>> again = readTextObjects(text);
        if (!again.ok() || writeTextObjects(*again.value) != text)
            std::abort();
    }
    return 0;
}
