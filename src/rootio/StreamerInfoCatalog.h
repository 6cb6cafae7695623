#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rootio {

class WriteBuffer;

// One member (or base) of a class description, as a TStreamerElement records it.
struct StreamerElementSpec {
    enum class Kind { Base, BasicType, BasicPointer, Object, ObjectAny, ObjectPointer, String };
    Kind kind = Kind::BasicType;
    std::string name, title;
    int type = 0;
    int size = 0;
    std::string typeName;
    int baseVersion = 0;               // Base
    std::uint32_t baseChecksum = 0;    // Base: filled from the catalog
    std::string countName, countClass; // BasicPointer
    int countVersion = 0;
};

// A class description as written in the StreamerInfo list.
struct ClassSpec {
    std::string name;
    int version = 0;
    std::vector<StreamerElementSpec> elements;
    std::vector<std::string> uses; // further classes whose descriptions go with this one
    std::uint32_t checksum = 0;
    // ROOT's recorded value where it differs from the elements (a member ROOT folds in
    // although it does not stream it).
    std::uint32_t fixedChecksum = 0;
};

// The checksum ROOT computes for a class from its name and elements.
std::uint32_t classChecksum(const std::string& className,
                            const std::vector<StreamerElementSpec>& elements);

// Descriptions of every class this library writes, with base checksums resolved.
class StreamerInfoCatalog {
public:
    StreamerInfoCatalog();

    const ClassSpec& get(const std::string& name) const;
    bool contains(const std::string& name) const;
    // `roots` and everything they need (bases, members, pointers), in first-use order.
    std::vector<std::string> closure(const std::vector<std::string>& roots) const;
    // Payload of the "StreamerInfo" record (a TList of TStreamerInfo). `origin` is the
    // record's key length.
    std::vector<std::uint8_t> serialize(const std::vector<std::string>& classes,
                                        std::size_t origin) const;

private:
    std::vector<ClassSpec> classes_;
};

} // namespace rootio
