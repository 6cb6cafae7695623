#pragma once

#include <cstddef>
#include <cstdint>

namespace rootio {

class ReadCursor;

// Words that frame streamed objects.
constexpr std::uint32_t kByteCountMask = 0x40000000u;
constexpr std::uint32_t kNewClassTag = 0xFFFFFFFFu;
constexpr std::uint32_t kClassMask = 0x80000000u;

// True for a word that is a byte count (and not a new-class tag).
constexpr bool isByteCount(std::uint32_t word) {
    return (word & kByteCountMask) && word != kNewClassTag;
}

// The frame of a streamed object: an optional byte count, then the version word.
struct ObjectFrame {
    int version = 0;
    std::size_t end = 0; // offset just past the object, 0 without a byte count

    static ObjectFrame read(ReadCursor& c);
    // Moves to the end of a counted object; throws when it was read past its end.
    void finish(ReadCursor& c) const { finishAt(c, end); }
    // The same for any object ending at `end` (0: no byte count, nothing to check).
    static void finishAt(ReadCursor& c, std::size_t end);
};

} // namespace rootio
