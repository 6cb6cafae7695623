#include "rootio/TreeReader.h"

#include "rootio/BasicType.h"
#include "rootio/ObjectDecoder.h"
#include "rootio/ReadCursor.h"
#include "rootio/RecordSource.h"
#include "rootio/StreamerInfoSet.h"

#include <algorithm>
#include <cstring>

namespace rootio {

namespace {

constexpr int kMaxBranchDepth = 32;

std::string typeNameOf(int code) {
    switch (code) {
    case 1:
        return "int8";
    case 11:
        return "uint8";
    case 2:
        return "int16";
    case 12:
        return "uint16";
    case 3:
        return "int32";
    case 13:
        return "uint32";
    case 16:
        return "int64";
    case 17:
        return "uint64";
    case 5:
        return "float";
    case 8:
        return "double";
    case 18:
        return "bool";
    default:
        return "?";
    }
}

// Value code of a streamed number member, 0 when this reader cannot decode it.
int numberCode(int streamerType) {
    using namespace basictype;
    if (streamerType == kCounter)
        return kInt;
    if (streamerType == kLong)
        return kLong64;
    if (streamerType == kULong)
        return kULong64;
    return typeNameOf(streamerType) == "?" ? 0 : streamerType;
}

// Basic type code of a TLeaf subclass, 0 when it is not a number leaf.
int leafCode(const LeafModel& l) {
    const std::string& c = l.className;
    if (c == "TLeafO")
        return 18;
    if (c == "TLeafB")
        return l.isUnsigned ? 11 : 1;
    if (c == "TLeafS")
        return l.isUnsigned ? 12 : 2;
    if (c == "TLeafI")
        return l.isUnsigned ? 13 : 3;
    if (c == "TLeafL" || c == "TLeafG")
        return l.isUnsigned ? 17 : 16;
    if (c == "TLeafF")
        return 5;
    if (c == "TLeafD")
        return 8;
    return 0;
}

template <typename T> T load(const std::uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof(T));
    return v;
}

std::uint16_t be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
std::uint32_t be32(const std::uint8_t* p) {
    return __builtin_bswap32(load<std::uint32_t>(p));
}
std::uint64_t be64(const std::uint8_t* p) {
    return __builtin_bswap64(load<std::uint64_t>(p));
}

// Converts n big-endian values of type `code` to doubles appended to `out`.
void appendValues(const std::uint8_t* p, std::size_t n, int code, std::vector<double>& out) {
    const std::size_t at = out.size();
    out.resize(at + n);
    double* o = out.data() + at;
    switch (code) {
    case 8:
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t bits = be64(p + 8 * i);
            std::memcpy(o + i, &bits, 8);
        }
        break;
    case 5:
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t bits = be32(p + 4 * i);
            float f;
            std::memcpy(&f, &bits, 4);
            o[i] = f;
        }
        break;
    case 1:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = static_cast<std::int8_t>(p[i]);
        break;
    case 11:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = p[i];
        break;
    case 18:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = p[i] != 0 ? 1.0 : 0.0;
        break;
    case 2:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = static_cast<std::int16_t>(be16(p + 2 * i));
        break;
    case 12:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = be16(p + 2 * i);
        break;
    case 3:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = static_cast<std::int32_t>(be32(p + 4 * i));
        break;
    case 13:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = be32(p + 4 * i);
        break;
    case 16:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = static_cast<double>(static_cast<std::int64_t>(be64(p + 8 * i)));
        break;
    case 17:
        for (std::size_t i = 0; i < n; ++i)
            o[i] = static_cast<double>(be64(p + 8 * i));
        break;
    default:
        throw Malformed("unsupported value type");
    }
}

std::vector<StreamedObjectPtr> listEntries(const StreamedObject& o, const std::string& member) {
    if (!o.has(member))
        return {};
    const StreamedObjectPtr list = o.object(member);
    if (!list || !list->has("fObjects"))
        return {};
    return list->objects("fObjects");
}

std::vector<std::int64_t> integers(const StreamedObject& o, const std::string& member) {
    std::vector<std::int64_t> out;
    if (!o.has(member))
        return out;
    for (double v : o.numbers(member))
        out.push_back(toInteger(v));
    return out;
}

BranchType resolveType(const BranchModel& b) {
    BranchType t;
    if (b.className == "TBranchObject") {
        t.kind = BranchType::Kind::Object;
        t.className = b.elementClass;
        t.typeName = b.elementClass;
        return t;
    }
    if (b.className == "TBranchElement" || b.className == "TBranchSTL") {
        if (b.id == -1 && b.type == 0 && b.children.empty()) {
            t.kind = BranchType::Kind::Object;
            t.className = b.elementClass;
            t.typeName = b.elementClass;
            return t;
        }
        if (b.type != 0 || b.id < 0) {
            t.typeName = b.elementClass.empty() ? "object" : b.elementClass;
            return t;
        }
        const int st = b.streamerType;
        const int len = b.leaves.empty() ? 1 : std::max(1, b.leaves.front().len);
        if (st == 65) {
            t.kind = BranchType::Kind::Strings;
            t.typeName = "string";
        } else if (st > 0 && st < 20 && numberCode(st) != 0) {
            t.kind = BranchType::Kind::Numbers;
            t.code = numberCode(st);
            t.typeName = typeNameOf(t.code);
        } else if (st > 20 && st < 40 && numberCode(st - 20) != 0) {
            t.kind = BranchType::Kind::Numbers;
            t.code = numberCode(st - 20);
            t.perEntry = len;
            t.typeName = typeNameOf(t.code) + "[" + std::to_string(len) + "]";
        } else if (st > 40 && st < 60 && numberCode(st - 40) != 0) {
            t.kind = BranchType::Kind::Numbers;
            t.code = numberCode(st - 40);
            t.perEntry = 0;
            t.flagged = true;
            const std::string count = b.leaves.empty() ? "" : b.leaves.front().countLeaf;
            t.typeName = typeNameOf(t.code) + "[" + count + "]";
        } else {
            t.typeName = "unsupported";
        }
        return t;
    }
    if (b.leaves.size() == 1) {
        const LeafModel& l = b.leaves.front();
        if (l.className == "TLeafC") {
            t.kind = BranchType::Kind::Strings;
            t.typeName = "string";
            return t;
        }
        const int code = leafCode(l);
        if (code == 0) {
            t.typeName = l.className;
            return t;
        }
        t.kind = BranchType::Kind::Numbers;
        t.code = code;
        if (!l.countLeaf.empty()) {
            t.perEntry = 0;
            t.typeName = typeNameOf(code) + "[" + l.countLeaf + "]";
        } else {
            t.perEntry = std::max(1, l.len);
            t.typeName = typeNameOf(code) +
                         (t.perEntry > 1 ? "[" + std::to_string(t.perEntry) + "]" : std::string());
        }
        return t;
    }
    // A leaf list: numbers of fixed size, concatenated per entry.
    std::string names;
    int total = 0;
    for (const auto& l : b.leaves) {
        if (leafCode(l) == 0 || !l.countLeaf.empty()) {
            t.typeName = "leaf list";
            return t;
        }
        total += std::max(1, l.len);
        names += (names.empty() ? "" : ":") + typeNameOf(leafCode(l));
    }
    t.kind = BranchType::Kind::Numbers;
    t.code = 0; // mixed: decoded leaf by leaf
    t.perEntry = total;
    t.typeName = names;
    return t;
}

BranchModel buildBranch(const StreamedObject& o, int depth) {
    if (depth > kMaxBranchDepth)
        throw Malformed("branches nested too deeply");
    BranchModel b;
    b.className = o.className;
    b.name = o.textOr("fName");
    b.title = o.textOr("fTitle");
    const long long writeBasket = o.integerOr("fWriteBasket", 0);
    if (writeBasket < 0 || writeBasket > (1 << 30))
        throw Malformed("branch \"" + b.name + "\" has an invalid basket count");
    b.writeBasket = static_cast<int>(writeBasket);
    b.entries = o.integerOr("fEntries", 0);
    if (o.has("fBasketBytes"))
        for (double v : o.numbers("fBasketBytes"))
            b.basketBytes.push_back(static_cast<std::int32_t>(toInteger(v) & 0x7FFFFFFF));
    b.basketEntry = integers(o, "fBasketEntry");
    b.basketSeek = integers(o, "fBasketSeek");
    auto small = [&](const char* member, int fallback) {
        const long long v = o.integerOr(member, fallback);
        return v < -(1 << 30) || v > (1 << 30) ? fallback : static_cast<int>(v);
    };
    b.entryOffsetLen = small("fEntryOffsetLen", 0);
    b.streamerType = small("fStreamerType", -1);
    b.type = small("fType", 0);
    b.id = small("fID", -1);
    b.elementClass = o.textOr("fClassName");
    if (b.writeBasket < 0 || b.entries < 0 ||
        static_cast<std::size_t>(b.writeBasket) > b.basketSeek.size() ||
        static_cast<std::size_t>(b.writeBasket) > b.basketEntry.size())
        throw Malformed("branch \"" + b.name + "\" has inconsistent basket tables");
    for (int i = 1; i < b.writeBasket; ++i)
        if (b.basketEntry[i] < b.basketEntry[i - 1])
            throw Malformed("branch \"" + b.name + "\" has inconsistent basket tables");
    for (const auto& leaf : listEntries(o, "fLeaves")) {
        if (!leaf)
            continue;
        LeafModel l;
        l.className = leaf->className;
        l.name = leaf->textOr("fName");
        l.title = leaf->textOr("fTitle");
        const long long len = leaf->integerOr("fLen", 1);
        if (len < 0 || len > (1 << 24))
            throw Malformed("leaf \"" + l.name + "\" has an invalid length");
        l.len = static_cast<int>(len);
        l.isUnsigned = leaf->numberOr("fIsUnsigned", 0) != 0;
        l.isVirtual = leaf->numberOr("fVirtual", 0) != 0;
        if (leaf->has("fLeafCount")) {
            const auto& v = leaf->members.at("fLeafCount");
            if (v.kind == StreamedValue::Kind::Object && v.object)
                l.countLeaf = v.object->textOr("fName", "?");
        }
        b.leaves.push_back(std::move(l));
    }
    if (b.className == "TBranchObject" && b.elementClass.empty() && !b.leaves.empty())
        b.elementClass = b.leaves.front().title;
    for (const auto& child : listEntries(o, "fBranches"))
        if (child)
            b.children.push_back(buildBranch(*child, depth + 1));
    b.valueType = resolveType(b);
    return b;
}

void collect(const std::vector<BranchModel>& in, std::vector<const BranchModel*>& out) {
    for (const auto& b : in) {
        out.push_back(&b);
        collect(b.children, out);
    }
}

std::string withoutDimensions(const std::string& name) {
    const auto bracket = name.find('[');
    return bracket == std::string::npos ? name : name.substr(0, bracket);
}

} // namespace

TreeReader::TreeReader(const RecordSource& source, const StreamerInfoSet& infos,
                       const StreamedObject& tree)
    : source_(source), infos_(infos) {
    if (!tree.has("fBranches"))
        throw Malformed("object is not a tree");
    name_ = tree.textOr("fName");
    entries_ = tree.integerOr("fEntries", 0);
    if (entries_ < 0)
        throw Malformed("tree with a negative number of entries");
    for (const auto& branch : listEntries(tree, "fBranches"))
        if (branch)
            branches_.push_back(buildBranch(*branch, 0));
}

std::vector<const BranchModel*> TreeReader::branches() const {
    std::vector<const BranchModel*> out;
    collect(branches_, out);
    return out;
}

const BranchModel* TreeReader::find(const std::string& name) const {
    for (const auto* b : branches())
        if (b->name == name)
            return b;
    for (const auto* b : branches())
        if (withoutDimensions(b->name) == name)
            return b;
    return nullptr;
}

void TreeReader::loadBasket(const BranchModel& b, int index, Basket& out) const {
    const std::int64_t seek = b.basketSeek[static_cast<std::size_t>(index)];
    const std::string where = "basket " + std::to_string(index) + " of branch \"" + b.name + "\"";
    if (seek <= 0)
        throw Malformed(where + " is not in the file");
    const KeyHeader key = source_.keyAt(seek);
    if (key.className != "TBasket")
        throw Malformed(where + " does not point at a basket");
    ReadCursor h(source_.data() + seek + key.headerEnd,
                 static_cast<std::size_t>(key.keylen) - key.headerEnd);
    try {
        h.i16(); // version
        h.i32(); // fBufferSize
        std::int32_t nevBufSize = h.i32();
        if (nevBufSize < 0) {
            const std::uint8_t ioBits = h.u8();
            if (ioBits & 0x01)
                throw Malformed(where + " needs generated offsets (not supported)");
        }
        out.nevBuf = h.i32();
        out.last = h.i32();
        h.u8();
    } catch (const Malformed& e) {
        throw Malformed(where + ": corrupt header (" + e.what() + ")");
    }
    out.keylen = key.keylen;
    if (out.nevBuf < 0 || out.last < key.keylen ||
        static_cast<std::int64_t>(out.last) > static_cast<std::int64_t>(key.keylen) + key.objlen)
        throw Malformed(where + " has an inconsistent header");
    source_.payload(key, out.payload);
    out.offsets.clear();
    const auto dataSize = static_cast<std::size_t>(out.last - out.keylen);
    if (out.payload.size() > dataSize) {
        ReadCursor c(out.payload.data() + dataSize, out.payload.size() - dataSize);
        const std::int32_t count = c.i32();
        if (count < out.nevBuf || static_cast<std::size_t>(out.nevBuf) > c.remaining() / 4)
            throw Malformed(where + " has a corrupt offset table");
        out.offsets.resize(static_cast<std::size_t>(out.nevBuf));
        std::int32_t previous = out.keylen;
        for (auto& o : out.offsets) {
            o = c.i32();
            if (o < previous || o > out.last)
                throw Malformed(where + " has a corrupt offset table");
            previous = o;
        }
    }
}

template <typename F> void TreeReader::forEachEntry(const BranchModel& b, F&& entry) const {
    Basket basket;
    std::int64_t seen = 0;
    const BranchType& t = b.valueType;
    std::size_t fixedSize = 0;
    if (t.kind == BranchType::Kind::Numbers && t.perEntry > 0) {
        if (t.code == 0) {
            for (const auto& l : b.leaves)
                fixedSize +=
                    static_cast<std::size_t>(std::max(1, l.len)) * basicTypeWidth(leafCode(l));
        } else {
            fixedSize = static_cast<std::size_t>(t.perEntry) * basicTypeWidth(t.code);
        }
    }
    for (int i = 0; i < b.writeBasket; ++i) {
        loadBasket(b, i, basket);
        const std::uint8_t* data = basket.payload.data();
        const auto dataSize = static_cast<std::size_t>(basket.last - basket.keylen);
        if (basket.offsets.empty()) {
            if (fixedSize == 0)
                throw Malformed("basket " + std::to_string(i) + " of branch \"" + b.name +
                                "\" lacks entry offsets");
            if (dataSize != fixedSize * static_cast<std::size_t>(basket.nevBuf))
                throw Malformed("basket " + std::to_string(i) + " of branch \"" + b.name +
                                "\" has a wrong size");
            entry(data, dataSize, basket.nevBuf, true);
        } else {
            for (int e = 0; e < basket.nevBuf; ++e) {
                const auto begin = static_cast<std::size_t>(basket.offsets[e] - basket.keylen);
                const auto end = static_cast<std::size_t>(
                    (e + 1 < basket.nevBuf ? basket.offsets[e + 1] : basket.last) - basket.keylen);
                entry(data + begin, end - begin, 1, false);
            }
        }
        seen += basket.nevBuf;
    }
    if (seen != b.entries)
        throw Malformed("branch \"" + b.name + "\" holds " + std::to_string(seen) +
                        " entries in its baskets instead of " + std::to_string(b.entries));
}

std::vector<double> TreeReader::readColumn(const BranchModel& b) const {
    const BranchType& t = b.valueType;
    if (t.kind != BranchType::Kind::Numbers)
        throw Malformed("branch \"" + b.name + "\" does not hold numbers (" + t.typeName + ")");
    std::vector<double> out;
    if (t.perEntry > 0 && b.entries > 0) // a hint only: the baskets decide
        out.reserve(static_cast<std::size_t>(std::min<std::int64_t>(b.entries, 1 << 22)) *
                    static_cast<std::size_t>(std::min(t.perEntry, 64)));
    forEachEntry(b, [&](const std::uint8_t* p, std::size_t size, int count, bool fixed) {
        if (t.code == 0) {
            for (int e = 0; e < count; ++e)
                for (const auto& l : b.leaves) {
                    const int code = leafCode(l);
                    const auto n = static_cast<std::size_t>(std::max(1, l.len));
                    const std::size_t bytes = n * basicTypeWidth(code);
                    if (bytes > size)
                        throw Malformed("entry of branch \"" + b.name + "\" too short");
                    appendValues(p, n, code, out);
                    p += bytes;
                    size -= bytes;
                }
            return;
        }
        const auto w = static_cast<std::size_t>(basicTypeWidth(t.code));
        if (!fixed && t.flagged && size > 0) {
            const std::uint8_t flag = *p;
            ++p;
            --size;
            if (flag == 0)
                size = 0;
        }
        if (size % w != 0 || (t.perEntry > 0 && !fixed && size != w * t.perEntry))
            throw Malformed("entry of branch \"" + b.name + "\" has a wrong size");
        appendValues(p, size / w, t.code, out);
    });
    return out;
}

std::vector<std::vector<double>> TreeReader::readRows(const BranchModel& b) const {
    const BranchType& t = b.valueType;
    if (t.kind != BranchType::Kind::Numbers)
        throw Malformed("branch \"" + b.name + "\" does not hold numbers (" + t.typeName + ")");
    std::vector<std::vector<double>> rows;
    const std::vector<double> all = readColumn(b);
    if (t.perEntry > 0) {
        const auto n = static_cast<std::size_t>(t.perEntry);
        for (std::size_t i = 0; i + n <= all.size(); i += n)
            rows.emplace_back(all.begin() + i, all.begin() + i + n);
        return rows;
    }
    // Variable size: entry by entry.
    const auto w = static_cast<std::size_t>(basicTypeWidth(t.code));
    forEachEntry(b, [&](const std::uint8_t* p, std::size_t size, int, bool) {
        std::vector<double> row;
        if (t.flagged && size > 0) {
            const std::uint8_t flag = *p;
            ++p;
            --size;
            if (flag == 0)
                size = 0;
        }
        appendValues(p, size / w, t.code, row);
        rows.push_back(std::move(row));
    });
    return rows;
}

std::vector<std::string> TreeReader::readStrings(const BranchModel& b) const {
    if (b.valueType.kind != BranchType::Kind::Strings)
        throw Malformed("branch \"" + b.name + "\" does not hold strings");
    std::vector<std::string> out;
    forEachEntry(b, [&](const std::uint8_t* p, std::size_t size, int, bool) {
        if (size == 0) {
            out.emplace_back();
            return;
        }
        ReadCursor c(p, size);
        out.push_back(c.string());
    });
    return out;
}

StreamedObjectPtr TreeReader::readObjectEntry(const BranchModel& b, std::int64_t entry) const {
    if (b.valueType.kind != BranchType::Kind::Object)
        throw Malformed("branch \"" + b.name + "\" does not hold objects");
    if (entry < 0 || entry >= b.entries)
        throw Malformed("tree \"" + name_ + "\" has no entry " + std::to_string(entry));
    int index = -1;
    for (int i = 0; i < b.writeBasket; ++i)
        if (b.basketEntry[i] <= entry)
            index = i;
    if (index < 0)
        throw Malformed("no basket holds entry " + std::to_string(entry));
    Basket basket;
    loadBasket(b, index, basket);
    const std::int64_t first = b.basketEntry[index];
    if (basket.offsets.empty() || entry - first >= basket.nevBuf)
        throw Malformed("basket " + std::to_string(index) + " of branch \"" + b.name +
                        "\" does not hold entry " + std::to_string(entry));
    const bool isVirtual =
        !b.leaves.empty() && b.leaves.front().isVirtual && b.className == "TBranchObject";
    auto decodeOne = [&](ObjectDecoder& decoder, int local) {
        const std::int32_t begin = basket.offsets[local];
        const std::int32_t end =
            local + 1 < basket.nevBuf ? basket.offsets[local + 1] : basket.last;
        ReadCursor c(basket.payload.data() + (begin - basket.keylen),
                     static_cast<std::size_t>(end - begin), static_cast<std::size_t>(begin));
        std::string cls = b.valueType.className;
        if (isVirtual) {
            const std::uint8_t n = c.u8();
            const auto* name = c.bytes(static_cast<std::size_t>(n) + 1);
            cls.assign(reinterpret_cast<const char*>(name), n);
        }
        return decoder.readObject(c, cls);
    };
    ObjectDecoder decoder(infos_);
    const int local = static_cast<int>(entry - first);
    try {
        return decodeOne(decoder, local);
    } catch (const Malformed& e) {
        if (std::string(e.what()).find("unknown class") == std::string::npos || local == 0)
            throw;
    }
    // Class tags may refer back to earlier entries of the basket: decode them in order.
    ObjectDecoder shared(infos_);
    StreamedObjectPtr result;
    for (int i = 0; i <= local; ++i)
        result = decodeOne(shared, i);
    return result;
}

} // namespace rootio
