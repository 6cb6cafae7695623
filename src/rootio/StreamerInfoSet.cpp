#include "rootio/StreamerInfoSet.h"

#include "rootio/ReadCursor.h"
#include "rootio/StreamerInfoCatalog.h"

#include <map>

namespace rootio {

namespace {

constexpr std::uint32_t kByteCountMask = 0x40000000u;
constexpr std::uint32_t kNewClassTag = 0xFFFFFFFFu;
constexpr std::uint32_t kClassMask = 0x80000000u;

// Version word with an optional byte count in front; `end` is the offset just past the
// framed object, or 0 when there is no byte count.
int readVersion(ReadCursor& c, std::size_t& end) {
    c.require(2);
    end = 0;
    if (c.remaining() >= 4) {
        const std::size_t at = c.offset();
        const std::uint32_t word = c.u32();
        if ((word & kByteCountMask) && word != kNewClassTag) {
            const std::size_t count = word & ~kByteCountMask;
            if (count > c.remaining() || count < 2)
                throw Malformed("byte count runs past the end of its object");
            end = c.offset() + count;
        } else {
            c.seek(at);
        }
    }
    return c.i16();
}

void finish(ReadCursor& c, std::size_t end) {
    if (end == 0)
        return;
    if (c.offset() > end)
        throw Malformed("object longer than its byte count");
    c.seek(end);
}

void readTObject(ReadCursor& c) {
    std::size_t end;
    readVersion(c, end);
    c.u32();
    const std::uint32_t bits = c.u32();
    if (bits & 0x10)
        c.u16();
    finish(c, end);
}

void readTNamed(ReadCursor& c, std::string& name, std::string& title) {
    std::size_t end;
    readVersion(c, end);
    readTObject(c);
    name = c.string();
    title = c.string();
    finish(c, end);
}

// Slot header: returns the class name ("" for a null pointer) and the end offset (0 if
// the slot has no byte count).
std::string readSlot(ReadCursor& c, std::map<std::uint32_t, std::string>& tags, std::size_t& end) {
    end = 0;
    std::uint32_t word = c.u32();
    if (word == 0)
        return "";
    if ((word & kByteCountMask) && word != kNewClassTag) {
        const std::size_t count = word & ~kByteCountMask;
        if (count > c.remaining())
            throw Malformed("byte count runs past the end of its object");
        end = c.offset() + count;
        word = c.u32();
    }
    if (word == kNewClassTag) {
        const auto tagPosition = static_cast<std::uint32_t>(c.position() - 4 + 2);
        std::string name = c.cstring();
        tags[tagPosition] = name;
        return name;
    }
    if (word & kClassMask) {
        const auto it = tags.find(word & ~kClassMask);
        if (it == tags.end())
            throw Malformed("reference to an unknown class in the streamer information");
        return it->second;
    }
    throw Malformed("object reference where a streamer element was expected");
}

ElementInfo readElement(ReadCursor& c, const std::string& elementClass) {
    ElementInfo e;
    e.elementClass = elementClass;
    std::size_t outerEnd;
    const int outerVersion = readVersion(c, outerEnd);
    std::size_t stlEnd = 0;
    if (elementClass == "TStreamerSTLstring")
        readVersion(c, stlEnd); // a whole TStreamerSTL inside
    std::size_t end;
    const int version = readVersion(c, end);
    readTNamed(c, e.name, e.title);
    e.type = c.i32();
    e.size = c.i32();
    e.arrayLength = c.i32();
    e.arrayDim = c.i32();
    if (version == 1) {
        const std::int32_t n = c.i32();
        if (n < 0 || n > 5)
            throw Malformed("bad array dimensions in streamer element " + e.name);
        for (int i = 0; i < n; ++i)
            e.maxIndex[i] = c.i32();
    } else {
        for (int& m : e.maxIndex)
            m = c.i32();
    }
    e.typeName = c.string();
    if (e.type == 11 && (e.typeName == "Bool_t" || e.typeName == "bool"))
        e.type = 18;
    if (e.arrayDim < 0 || e.arrayDim > 5 || e.arrayLength < 0)
        throw Malformed("bad array dimensions in streamer element " + e.name);
    finish(c, end);
    if (elementClass == "TStreamerBase") {
        if (outerVersion > 2)
            e.baseVersion = c.i32();
    } else if (elementClass == "TStreamerBasicPointer" || elementClass == "TStreamerLoop") {
        c.i32(); // fCountVersion
        e.countName = c.string();
        e.countClass = c.string();
    }
    finish(c, stlEnd);
    finish(c, outerEnd);
    return e;
}

ClassInfo fromSpec(const ClassSpec& s) {
    ClassInfo info;
    info.name = s.name;
    info.version = s.version;
    info.checksum = s.checksum;
    static const char* elementClasses[] = {
        "TStreamerBase",      "TStreamerBasicType",     "TStreamerBasicPointer", "TStreamerObject",
        "TStreamerObjectAny", "TStreamerObjectPointer", "TStreamerString"};
    for (const auto& e : s.elements) {
        ElementInfo el;
        el.elementClass = elementClasses[static_cast<int>(e.kind)];
        el.name = e.name;
        el.title = e.title;
        el.typeName = e.typeName;
        el.type = e.type;
        el.size = e.size;
        el.baseVersion = e.baseVersion;
        el.countName = e.countName;
        el.countClass = e.countClass;
        info.elements.push_back(el);
    }
    return info;
}

} // namespace

StreamerInfoSet::StreamerInfoSet() {
    static const StreamerInfoCatalog catalog;
    const char* names[] = {"TObject",       "TNamed",      "TAttLine",   "TAttFill",
                           "TAttMarker",    "TAttAxis",    "TAxis",      "TH1",
                           "TH1F",          "TH1D",        "TGraph",     "ROOT::TIOFeatures",
                           "TTree",         "TBranch",     "TLeaf",      "TLeafD",
                           "TBranchObject", "TLeafObject", "TObjString", "VxLumoTrack"};
    for (const char* n : names)
        builtin_.push_back(fromSpec(catalog.get(n)));
}

void StreamerInfoSet::parse(ReadCursor& c) {
    std::map<std::uint32_t, std::string> tags;
    std::size_t listEnd;
    const int listVersion = readVersion(c, listEnd);
    if (listVersion > 3)
        readTObject(c);
    if (listVersion > 1)
        c.string();
    const std::int32_t n = c.i32();
    if (n < 0 || static_cast<std::size_t>(n) > c.remaining() / 4)
        throw Malformed("bad entry count in the streamer information list");
    for (std::int32_t i = 0; i < n; ++i) {
        std::size_t slotEnd;
        const std::string cls = readSlot(c, tags, slotEnd);
        if (cls == "TStreamerInfo") {
            ClassInfo info;
            std::size_t end;
            readVersion(c, end);
            std::string title;
            readTNamed(c, info.name, title);
            info.checksum = c.u32();
            info.version = c.i32();
            std::size_t arrayEnd;
            const std::string arrayClass = readSlot(c, tags, arrayEnd);
            if (!arrayClass.empty()) {
                std::size_t objEnd;
                readVersion(c, objEnd);
                readTObject(c);
                c.string();
                const std::int32_t count = c.i32();
                c.i32(); // fLowerBound
                if (count < 0 || static_cast<std::size_t>(count) > c.remaining() / 4)
                    throw Malformed("bad element count in the description of " + info.name);
                for (std::int32_t k = 0; k < count; ++k) {
                    std::size_t elementEnd;
                    const std::string elementClass = readSlot(c, tags, elementEnd);
                    if (elementClass.empty())
                        continue;
                    info.elements.push_back(readElement(c, elementClass));
                    finish(c, elementEnd);
                }
                finish(c, objEnd);
                finish(c, arrayEnd);
            }
            finish(c, end);
            fileOrder_.push_back(info.name);
            fromFile_.push_back(std::move(info));
        } else if (!cls.empty()) {
            if (slotEnd == 0)
                throw Malformed("unframed " + cls + " in the streamer information list");
        }
        finish(c, slotEnd);
        // The option string that follows every TList entry.
        std::size_t len = c.u8();
        if (len == 255 && listVersion > 4)
            len = c.u32();
        c.skip(len);
    }
    finish(c, listEnd);
}

const ClassInfo* StreamerInfoSet::find(const std::string& name, int version) const {
    for (const auto& i : fromFile_)
        if (i.name == name && i.version == version)
            return &i;
    for (const auto& i : builtin_)
        if (i.name == name && i.version == version)
            return &i;
    return nullptr;
}

const ClassInfo* StreamerInfoSet::findByChecksum(const std::string& name,
                                                 std::uint32_t checksum) const {
    for (const auto& i : fromFile_)
        if (i.name == name && i.checksum == checksum)
            return &i;
    for (const auto& i : builtin_)
        if (i.name == name && i.checksum == checksum)
            return &i;
    return nullptr;
}

const ClassInfo* StreamerInfoSet::any(const std::string& name) const {
    for (const auto& i : fromFile_)
        if (i.name == name)
            return &i;
    for (const auto& i : builtin_)
        if (i.name == name)
            return &i;
    return nullptr;
}

} // namespace rootio
