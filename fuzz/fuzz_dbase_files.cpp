// Any bytes, read as a dBASE table, as a production index and as a dictionary file: each
// reader must fail cleanly or read only inside the bytes, however the counts and pages lie.
#include "dictionary/dbase_table.h"
#include "dictionary/dictionary_outline.h"
#include "dictionary/mdx_index.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    using namespace dd::dictionary;
    const char *bytes = reinterpret_cast<const char *>(data);
    if (const auto table = DbaseTable::parse(bytes, qsizetype(size)); table.ok())
        for (std::uint32_t r = 0; r <= std::min(table.value().recordCount(), 64u) + 1; ++r)
            for (int f = -1; f <= int(table.value().fields().size()); ++f)
                (void)table.value().text(r, f), (void)table.value().number(r, f), (void)table.value().date(r, f),
                    (void)table.value().logical(r, f), (void)table.value().isDeleted(r);
    if (const auto index = MdxIndex::parse(bytes, qsizetype(size)); index.ok())
        for (int t = 0; t < std::min<int>(int(index.value().tags().size()), 4); ++t)
            (void)index.value().recordsInKeyOrder(t, 1u << 20);
    (void)outlineDictionary(bytes, qsizetype(size));
    return 0;
}
