#pragma once
// Shared by the readers: properties are gathered in a list kept per nesting level and then moved
// into one of the exact size. No regrowth per object and no slack, which is most of the memory
// of a large tree.
#include "designfile/stream_binary.h"

#include <iterator>
#include <vector>

namespace dd::stream {

class PropertyGatherer {
public:
    // The list for `level` (1..kMaxNesting), emptied; valid until the next start() of that level.
    std::vector<Property> &start(int level)
    {
        std::vector<Property> &list = levels_[size_t(level)];
        list.clear();
        return list;
    }

    static QList<Property> take(std::vector<Property> &gathered)
    {
        return QList<Property>(std::make_move_iterator(gathered.begin()), std::make_move_iterator(gathered.end()));
    }

private:
    std::vector<std::vector<Property>> levels_ = std::vector<std::vector<Property>>(kMaxNesting + 1);
};

} // namespace dd::stream
