#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace rootio {

class ReadCursor;

// The header of an object slot: 0 for a null pointer, otherwise an optional byte count and
// then a new class name, a reference to a class named before, or a reference to an object
// read before.
struct SlotHeader {
    bool null = false;
    std::size_t end = 0;         // offset just past the slot, 0 without a byte count
    std::string className;       // empty for null and for object references
    std::uint32_t objectTag = 0; // the object referred to when className is empty

    // `classTags` maps buffer positions to the class names read so far; new names join it.
    static SlotHeader read(ReadCursor& c, std::map<std::uint32_t, std::string>& classTags);
};

} // namespace rootio
