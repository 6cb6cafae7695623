#include "rootio/ObjectDecoder.h"

#include "rootio/BasicType.h"
#include "rootio/ObjectFrame.h"
#include "rootio/ReadCursor.h"
#include "rootio/SlotHeader.h"
#include "rootio/StreamerInfoSet.h"

#include <cmath>
#include <cstdlib>

namespace rootio {

namespace {

constexpr int kMaxDepth = 64;

using Kind = StreamedValue::Kind;

StreamedValue numberValue(double v) {
    StreamedValue s;
    s.kind = Kind::Number;
    s.number = v;
    return s;
}

StreamedValue textValue(std::string t) {
    StreamedValue s;
    s.kind = Kind::Text;
    s.text = std::move(t);
    return s;
}

double readBasic(ReadCursor& c, int type) {
    switch (type) {
    case 1:
        return c.i8();
    case 11:
    case 18:
        return c.u8();
    case 2:
        return c.i16();
    case 12:
        return c.u16();
    case 3:
    case 6:
        return c.i32();
    case 13:
    case 15:
        return c.u32();
    case 4:
    case 16:
        return static_cast<double>(c.i64());
    case 14:
    case 17:
        return static_cast<double>(c.u64());
    case 5:
        return c.f32();
    case 8:
        return c.f64();
    default:
        throw Malformed("unsupported basic type " + std::to_string(type));
    }
}

// Double32_t / Float16_t: a float unless the comment gives a range [min,max(,nbits)].
double readPacked(ReadCursor& c, const std::string& title) {
    const auto open = title.find('[');
    const auto close = title.find(']', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos)
        return c.f32();
    const std::string spec = title.substr(open + 1, close - open - 1);
    const char* p = spec.c_str();
    char* next = nullptr;
    const double lo = std::strtod(p, &next);
    if (next == p || *next != ',')
        return c.f32();
    p = next + 1;
    const double hi = std::strtod(p, &next);
    int bits = 32;
    if (*next == ',')
        bits = std::atoi(next + 1);
    if (bits < 2 || bits > 32)
        bits = 32;
    if (!(hi > lo)) {
        throw Malformed("truncated floating-point members are not supported");
    }
    const std::uint32_t raw = c.u32();
    const double scale = (hi - lo) / (std::pow(2.0, bits) - 1.0);
    return lo + raw * scale;
}

std::string stripPointer(std::string t) {
    while (!t.empty() && (t.back() == '*' || t.back() == ' '))
        t.pop_back();
    if (t.rfind("const ", 0) == 0)
        t = t.substr(6);
    return t;
}

} // namespace

bool readTArray(ReadCursor& c, const std::string& className, std::vector<double>& values) {
    static const std::map<std::string, int> types = {
        {"TArrayC", 1},    {"TArrayS", 2}, {"TArrayI", 3}, {"TArrayL", 4},
        {"TArrayL64", 16}, {"TArrayF", 5}, {"TArrayD", 8}};
    const auto it = types.find(className);
    if (it == types.end())
        return false;
    const std::int32_t n = c.i32();
    const int width = basicTypeWidth(it->second);
    if (n < 0 || static_cast<std::size_t>(n) > c.remaining() / static_cast<std::size_t>(width))
        throw Malformed(className + " longer than its object");
    values.resize(static_cast<std::size_t>(n));
    for (auto& v : values)
        v = readBasic(c, it->second);
    return true;
}

void ObjectDecoder::resetMaps() {
    classTags_.clear();
    objects_.clear();
}

const ClassInfo& ObjectDecoder::infoFor(ReadCursor& c, const std::string& className, int version,
                                        std::size_t end) {
    if (version <= 0) {
        const ClassInfo* any = infos_.any(className);
        // A class without a class version writes its checksum after version 0.
        if (any && any->version != 0 && end != 0 && end - c.offset() >= 4) {
            const std::uint32_t checksum = c.u32();
            if (const ClassInfo* byChecksum = infos_.findByChecksum(className, checksum))
                return *byChecksum;
            return *any;
        }
        if (any)
            return *any;
    } else if (const ClassInfo* info = infos_.find(className, version)) {
        return *info;
    }
    throw Malformed("no streamer information for class " + className + " version " +
                    std::to_string(version));
}

StreamedObjectPtr ObjectDecoder::readObject(ReadCursor& c, const std::string& className,
                                            int depth) {
    auto obj = std::make_shared<StreamedObject>();
    obj->className = className;
    readInto(c, className, *obj, depth);
    return obj;
}

void ObjectDecoder::readInto(ReadCursor& c, const std::string& className, StreamedObject& obj,
                             int depth) {
    if (depth > kMaxDepth)
        throw Malformed("objects nested too deeply");
    {
        std::vector<double> values;
        if (readTArray(c, className, values)) {
            StreamedValue v;
            v.kind = Kind::Numbers;
            v.numbers = std::move(values);
            obj.members["fN"] = numberValue(static_cast<double>(v.numbers.size()));
            obj.members["fArray"] = std::move(v);
            return;
        }
    }
    if (className == "TObject") {
        const ObjectFrame frame = ObjectFrame::read(c);
        obj.members["fUniqueID"] = numberValue(c.u32());
        const std::uint32_t bits = c.u32();
        obj.members["fBits"] = numberValue(bits);
        if (bits & 0x10)
            c.u16();
        frame.finish(c);
        return;
    }
    if (className == "TString") {
        obj.members["fString"] = textValue(c.string());
        return;
    }
    const ObjectFrame frame = ObjectFrame::read(c);
    if (obj.version == 0)
        obj.version = frame.version;
    if (!readCustom(c, className, frame.version, frame.end, obj, depth)) {
        const ClassInfo& info = infoFor(c, className, frame.version, frame.end);
        readMembers(c, info, obj, depth);
    }
    frame.finish(c);
}

bool ObjectDecoder::readCustom(ReadCursor& c, const std::string& className, int version,
                               std::size_t end, StreamedObject& obj, int depth) {
    if (className == "TList" || className == "THashList" || className == "TObjArray" ||
        className == "TClonesArray" || className == "TMap" || className == "TRefArray" ||
        className == "TBtree" || className == "TOrdCollection" || className == "THashTable") {
        if (className != "TList" && className != "THashList" && className != "TObjArray") {
            if (end == 0)
                throw Malformed("unframed " + className);
            return true; // skipped: not needed by this library
        }
        const bool isList = className != "TObjArray";
        if (version > 2)
            readInto(c, "TObject", obj, depth + 1);
        if (version > 1)
            obj.members["fName"] = textValue(c.string());
        const std::int32_t n = c.i32();
        if (!isList)
            obj.members["fLowerBound"] = numberValue(c.i32());
        if (n < 0 || static_cast<std::size_t>(n) > c.remaining() / 4)
            throw Malformed("bad entry count in " + className);
        StreamedValue entries;
        entries.kind = Kind::Objects;
        for (std::int32_t i = 0; i < n; ++i) {
            entries.objects.push_back(readSlot(c, depth + 1));
            if (isList) {
                std::size_t len = c.u8();
                if (len == 255 && version > 4)
                    len = c.u32();
                c.skip(len);
            }
        }
        obj.members["fObjects"] = std::move(entries);
        return true;
    }
    if (className == "TObjString") {
        readInto(c, "TObject", obj, depth + 1);
        obj.members["fString"] = textValue(c.string());
        return true;
    }
    if (className == "TPointsArray3D") {
        // ROOT's own streamer: TObject, point count, x y z per point, option.
        readInto(c, "TObject", obj, depth + 1);
        const std::int32_t n = c.i32();
        if (n < 0 || static_cast<std::size_t>(n) > c.remaining() / 12)
            throw Malformed("TPointsArray3D longer than its object");
        StreamedValue p;
        p.kind = Kind::Numbers;
        p.numbers.resize(static_cast<std::size_t>(n) * 3);
        for (auto& v : p.numbers)
            v = c.f32();
        obj.members["fN"] = numberValue(n);
        obj.members["fP"] = std::move(p);
        obj.members["fOption"] = textValue(c.string());
        return true;
    }
    return false;
}

void ObjectDecoder::readMembers(ReadCursor& c, const ClassInfo& info, StreamedObject& obj,
                                int depth) {
    for (const auto& e : info.elements)
        readElement(c, e, obj, depth);
}

void ObjectDecoder::readElement(ReadCursor& c, const ElementInfo& e, StreamedObject& obj,
                                int depth) {
    const int type = e.type;
    if (type == -1)
        return;
    if (type == 0 && e.elementClass == "TStreamerBase") {
        std::vector<double> values;
        if (readTArray(c, e.name, values)) {
            obj.members["fN"] = numberValue(static_cast<double>(values.size()));
            StreamedValue v;
            v.kind = Kind::Numbers;
            v.numbers = std::move(values);
            obj.members["fArray"] = std::move(v);
            return;
        }
        readInto(c, e.name, obj, depth + 1);
        return;
    }
    if (type == 66) {
        readInto(c, "TObject", obj, depth + 1);
        return;
    }
    if (type == 67) {
        readInto(c, "TNamed", obj, depth + 1);
        return;
    }
    if (type == 9 || type == 19) {
        obj.members[e.name] = numberValue(readPacked(c, e.title));
        return;
    }
    if (type == 7) {
        const std::int32_t n = c.i32();
        if (n < 0)
            throw Malformed("negative string length in " + e.name);
        const auto* p = c.bytes(static_cast<std::size_t>(n));
        obj.members[e.name] = textValue(std::string(reinterpret_cast<const char*>(p), n));
        return;
    }
    if (basicTypeWidth(type) > 0) {
        obj.members[e.name] = numberValue(readBasic(c, type));
        return;
    }
    if (type > 20 && type < 40 && basicTypeWidth(type - 20) > 0) {
        StreamedValue v;
        v.kind = Kind::Numbers;
        const auto n = static_cast<std::size_t>(e.arrayLength);
        c.require(n * basicTypeWidth(type - 20));
        v.numbers.resize(n);
        for (auto& x : v.numbers)
            x = readBasic(c, type - 20);
        obj.members[e.name] = std::move(v);
        return;
    }
    if (type > 40 && type < 60) {
        StreamedValue v;
        v.kind = Kind::Numbers;
        const std::uint8_t flag = c.u8();
        if (flag != 0) {
            const double count = obj.numberOr(e.countName, -1);
            if (!(count >= 0) || count > static_cast<double>(c.remaining()))
                throw Malformed("array " + e.name + " without a valid count " + e.countName);
            const int base = type - 40;
            const std::size_t n = static_cast<std::size_t>(count) *
                                  static_cast<std::size_t>(std::max(e.arrayLength, 1));
            const int width = (base == 9 || base == 19) ? 4 : basicTypeWidth(base);
            if (width == 0)
                throw Malformed("unsupported array type in " + e.name);
            if (n > c.remaining() / static_cast<std::size_t>(width))
                throw Malformed("array " + e.name + " runs past the end of its object");
            v.numbers.resize(n);
            for (auto& x : v.numbers)
                x = (base == 9 || base == 19) ? c.f32() : readBasic(c, base);
        }
        obj.members[e.name] = std::move(v);
        return;
    }
    if (type == 65) {
        obj.members[e.name] = textValue(c.string());
        return;
    }
    if (type == 61 || type == 62 || type == 63 || type == 68) {
        StreamedValue v;
        v.kind = Kind::Object;
        v.object = readObject(c, stripPointer(e.typeName), depth + 1);
        obj.members[e.name] = std::move(v);
        return;
    }
    if (type == 64 || type == 69) {
        StreamedValue v;
        v.kind = Kind::Object;
        v.object = readSlot(c, depth + 1);
        obj.members[e.name] = std::move(v);
        return;
    }
    if (type == 81 || type == 82) {
        StreamedValue v;
        v.kind = Kind::Objects;
        const std::string cls = stripPointer(e.typeName);
        for (int i = 0; i < e.arrayLength; ++i)
            v.objects.push_back(readObject(c, cls, depth + 1));
        obj.members[e.name] = std::move(v);
        return;
    }
    if (type == 500 || type == 501 || type == 300 || type == 365 || (type >= 85 && type <= 87)) {
        // Collections and STL members: framed, skipped as a whole.
        const ObjectFrame frame = ObjectFrame::read(c);
        if (frame.end == 0)
            throw Malformed("member " + e.name + " without a byte count");
        c.seek(frame.end);
        return;
    }
    throw Malformed("member " + e.name + " has an unsupported type " + std::to_string(type));
}

StreamedObjectPtr ObjectDecoder::readSlot(ReadCursor& c, int depth) {
    if (depth > kMaxDepth)
        throw Malformed("objects nested too deeply");
    const auto start = static_cast<std::uint32_t>(c.position());
    const SlotHeader slot = SlotHeader::read(c, classTags_);
    if (slot.null)
        return nullptr;
    const std::size_t end = slot.end;
    if (slot.className.empty()) {
        // A reference to an object read before (1 is the record's top object).
        const auto it = objects_.find(slot.objectTag);
        if (end != 0)
            c.seek(end);
        return it == objects_.end() ? nullptr : it->second;
    }
    const std::string& className = slot.className;
    auto obj = std::make_shared<StreamedObject>();
    obj->className = className;
    objects_[start + 2] = obj;
    if (className == "TBasket") { // an embedded basket: not needed, skip it
        if (end == 0)
            throw Malformed("unframed embedded basket");
        c.seek(end);
        return obj;
    }
    readInto(c, className, *obj, depth + 1);
    ObjectFrame::finishAt(c, end);
    return obj;
}

} // namespace rootio
