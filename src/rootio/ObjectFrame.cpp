#include "rootio/ObjectFrame.h"

#include "rootio/ReadCursor.h"

namespace rootio {

ObjectFrame ObjectFrame::read(ReadCursor& c) {
    ObjectFrame f;
    if (c.remaining() >= 4) {
        const std::size_t at = c.offset();
        const std::uint32_t word = c.u32();
        if (isByteCount(word)) {
            const std::size_t count = word & ~kByteCountMask;
            if (count > c.remaining() || count < 2)
                throw Malformed("byte count runs past the end of its object");
            f.end = c.offset() + count;
        } else {
            c.seek(at);
        }
    }
    f.version = c.i16();
    return f;
}

void ObjectFrame::finishAt(ReadCursor& c, std::size_t end) {
    if (end == 0)
        return;
    if (c.offset() > end)
        throw Malformed("object longer than its byte count");
    c.seek(end);
}

} // namespace rootio
