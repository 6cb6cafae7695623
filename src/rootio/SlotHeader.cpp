#include "rootio/SlotHeader.h"

#include "rootio/ObjectFrame.h"
#include "rootio/ReadCursor.h"

namespace rootio {

SlotHeader SlotHeader::read(ReadCursor& c, std::map<std::uint32_t, std::string>& classTags) {
    SlotHeader h;
    std::uint32_t word = c.u32();
    if (word == 0) {
        h.null = true;
        return h;
    }
    if (isByteCount(word)) {
        const std::size_t count = word & ~kByteCountMask;
        if (count > c.remaining())
            throw Malformed("byte count runs past the end of its object");
        h.end = c.offset() + count;
        word = c.u32();
    }
    if (word == kNewClassTag) {
        const auto tagPosition = static_cast<std::uint32_t>(c.position() - 4 + 2);
        h.className = c.cstring();
        if (h.className.empty())
            throw Malformed("empty class name");
        classTags[tagPosition] = h.className;
    } else if (word & kClassMask) {
        const auto it = classTags.find(word & ~kClassMask);
        if (it == classTags.end())
            throw Malformed("reference to an unknown class");
        h.className = it->second;
    } else {
        h.objectTag = word;
    }
    return h;
}

} // namespace rootio
