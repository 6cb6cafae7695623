#include "rootio/StreamerInfoSet.h"

#include "rootio/ObjectFrame.h"
#include "rootio/ReadCursor.h"
#include "rootio/SlotHeader.h"
#include "rootio/StreamerInfoCatalog.h"

#include <map>

namespace rootio {

namespace {

void readTObject(ReadCursor& c) {
    const ObjectFrame frame = ObjectFrame::read(c);
    c.u32();
    const std::uint32_t bits = c.u32();
    if (bits & 0x10)
        c.u16();
    frame.finish(c);
}

void readTNamed(ReadCursor& c, std::string& name, std::string& title) {
    const ObjectFrame frame = ObjectFrame::read(c);
    readTObject(c);
    name = c.string();
    title = c.string();
    frame.finish(c);
}

// Slot header: returns the class name ("" for a null pointer) and the end offset (0 if
// the slot has no byte count).
std::string readSlot(ReadCursor& c, std::map<std::uint32_t, std::string>& tags, std::size_t& end) {
    const SlotHeader slot = SlotHeader::read(c, tags);
    if (!slot.null && slot.className.empty())
        throw Malformed("object reference where a streamer element was expected");
    end = slot.end;
    return slot.className;
}

ElementInfo readElement(ReadCursor& c, const std::string& elementClass) {
    ElementInfo e;
    e.elementClass = elementClass;
    const ObjectFrame outer = ObjectFrame::read(c);
    ObjectFrame stl;
    if (elementClass == "TStreamerSTLstring")
        stl = ObjectFrame::read(c); // a whole TStreamerSTL inside
    const ObjectFrame frame = ObjectFrame::read(c);
    const int version = frame.version;
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
    frame.finish(c);
    if (elementClass == "TStreamerBase") {
        if (outer.version > 2)
            e.baseVersion = c.i32();
    } else if (elementClass == "TStreamerBasicPointer" || elementClass == "TStreamerLoop") {
        c.i32(); // fCountVersion
        e.countName = c.string();
        e.countClass = c.string();
    }
    stl.finish(c);
    outer.finish(c);
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
    const ObjectFrame list = ObjectFrame::read(c);
    const int listVersion = list.version;
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
            const ObjectFrame frame = ObjectFrame::read(c);
            std::string title;
            readTNamed(c, info.name, title);
            info.checksum = c.u32();
            info.version = c.i32();
            std::size_t arrayEnd;
            const std::string arrayClass = readSlot(c, tags, arrayEnd);
            if (!arrayClass.empty()) {
                const ObjectFrame array = ObjectFrame::read(c);
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
                    ObjectFrame::finishAt(c, elementEnd);
                }
                array.finish(c);
                ObjectFrame::finishAt(c, arrayEnd);
            }
            frame.finish(c);
            fileOrder_.push_back(info.name);
            fromFile_.push_back(std::move(info));
        } else if (!cls.empty()) {
            if (slotEnd == 0)
                throw Malformed("unframed " + cls + " in the streamer information list");
        }
        ObjectFrame::finishAt(c, slotEnd);
        // The option string that follows every TList entry.
        std::size_t len = c.u8();
        if (len == 255 && listVersion > 4)
            len = c.u32();
        c.skip(len);
    }
    list.finish(c);
}

template <typename Match> const ClassInfo* StreamerInfoSet::first(Match match) const {
    for (const auto* infos : {&fromFile_, &builtin_})
        for (const auto& i : *infos)
            if (match(i))
                return &i;
    return nullptr;
}

const ClassInfo* StreamerInfoSet::find(const std::string& name, int version) const {
    return first([&](const ClassInfo& i) { return i.name == name && i.version == version; });
}

const ClassInfo* StreamerInfoSet::findByChecksum(const std::string& name,
                                                 std::uint32_t checksum) const {
    return first([&](const ClassInfo& i) { return i.name == name && i.checksum == checksum; });
}

const ClassInfo* StreamerInfoSet::any(const std::string& name) const {
    return first([&](const ClassInfo& i) { return i.name == name; });
}

} // namespace rootio
