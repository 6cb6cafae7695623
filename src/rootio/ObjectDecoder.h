#pragma once

#include "rootio/StreamedObject.h"

#include <cstdint>
#include <map>
#include <string>

namespace rootio {

class ReadCursor;
class StreamerInfoSet;
struct ClassInfo;

// Decodes objects from their class descriptions (streamer information), with hand-written
// decoding for the classes ROOT streams by hand (collections, TArray*, TObjString,
// TPointsArray3D). Keeps the class and object maps of one buffer.
class ObjectDecoder {
public:
    explicit ObjectDecoder(const StreamerInfoSet& infos) : infos_(infos) {}

    // A framed object of a known class (byte count and version, then the members).
    StreamedObjectPtr readObject(ReadCursor& c, const std::string& className, int depth = 0);
    // An object slot: null, a reference to an object read before, or class tag and object.
    StreamedObjectPtr readSlot(ReadCursor& c, int depth = 0);
    void resetMaps();

private:
    void readInto(ReadCursor& c, const std::string& className, StreamedObject& obj, int depth);
    void readMembers(ReadCursor& c, const ClassInfo& info, StreamedObject& obj, int depth);
    void readElement(ReadCursor& c, const struct ElementInfo& e, StreamedObject& obj, int depth);
    bool readCustom(ReadCursor& c, const std::string& className, int version, std::size_t end,
                    StreamedObject& obj, int depth);
    const ClassInfo& infoFor(ReadCursor& c, const std::string& className, int version,
                             std::size_t end);

    const StreamerInfoSet& infos_;
    std::map<std::uint32_t, std::string> classTags_;
    std::map<std::uint32_t, StreamedObjectPtr> objects_;
};

// Reads `fN` and the values of a TArrayC/S/I/L/L64/F/D; returns false for other names.
bool readTArray(ReadCursor& c, const std::string& className, std::vector<double>& values);

} // namespace rootio
