#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace rootio {

class ReadCursor;

// One element of a class description read from a file.
struct ElementInfo {
    std::string elementClass; // TStreamerBase, TStreamerBasicType, ...
    std::string name, title, typeName;
    int type = 0;
    int size = 0;
    int arrayLength = 0;
    int arrayDim = 0;
    int maxIndex[5] = {0, 0, 0, 0, 0};
    int baseVersion = 0;
    std::string countName, countClass;
};

struct ClassInfo {
    std::string name;
    int version = 0;
    std::uint32_t checksum = 0;
    std::vector<ElementInfo> elements;
};

// The class descriptions of a file (its StreamerInfo list), with this library's own
// descriptions as fallback for classes the file does not describe.
class StreamerInfoSet {
public:
    StreamerInfoSet();

    // Parses the payload of the "StreamerInfo" record (a TList of TStreamerInfo).
    void parse(ReadCursor& c);

    // The description of `name` at `version`; nullptr when unknown.
    const ClassInfo* find(const std::string& name, int version) const;
    const ClassInfo* findByChecksum(const std::string& name, std::uint32_t checksum) const;
    // Any description of `name` (the file's first), nullptr when unknown.
    const ClassInfo* any(const std::string& name) const;
    // Class names described by the file itself, in file order.
    const std::vector<std::string>& fileClasses() const { return fileOrder_; }
    const std::vector<ClassInfo>& fileInfos() const { return fromFile_; }

private:
    // The first description (the file's before the library's own) that `match` accepts.
    template <typename Match> const ClassInfo* first(Match match) const;

    std::vector<ClassInfo> fromFile_;
    std::vector<ClassInfo> builtin_;
    std::vector<std::string> fileOrder_;
};

} // namespace rootio
