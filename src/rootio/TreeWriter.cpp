#include "rootio/TreeWriter.h"

#include "rootio/Error.h"
#include "rootio/TrackRecordWriter.h"
#include "rootio/WriteBuffer.h"

#include <algorithm>
#include <cstring>

namespace rootio {

namespace {
constexpr int kBasketSize = 32000;
}

TreeWriter::TreeWriter(FileAssembler& file, std::string name, std::string title)
    : file_(file), name_(std::move(name)), title_(std::move(title)) {}

void TreeWriter::checkEntries(long long n) const {
    if (!branches_.empty() && branches_.front().entries != n)
        throw Error("tree \"" + name_ + "\": branches with different numbers of entries");
}

void TreeWriter::addDoubleBranch(const std::string& name, const std::vector<double>& values,
                                 long long entriesPerBasket) {
    if (name.empty())
        throw Error("tree \"" + name_ + "\": branch without a name");
    for (const auto& br : branches_)
        if (br.name == name)
            throw Error("tree \"" + name_ + "\": two branches named \"" + name + "\"");
    const auto n = static_cast<long long>(values.size());
    checkEntries(n);
    if (entriesPerBasket <= 0)
        entriesPerBasket = kBasketSize / 8;
    Branch br;
    br.name = name;
    br.title = name + "/D";
    br.entries = n;
    std::vector<std::uint8_t> data;
    for (long long first = 0; first < n; first += entriesPerBasket) {
        const long long count = std::min(entriesPerBasket, n - first);
        data.resize(static_cast<std::size_t>(count) * 8);
        for (long long i = 0; i < count; ++i) {
            std::uint64_t bits;
            std::memcpy(&bits, &values[static_cast<std::size_t>(first + i)], 8);
            for (int k = 0; k < 8; ++k)
                data[static_cast<std::size_t>(i) * 8 + k] =
                    static_cast<std::uint8_t>(bits >> (56 - 8 * k));
        }
        br.firstEntries.push_back(first);
        br.baskets.push_back(file_.addBasket(name, name_, static_cast<int>(br.baskets.size()),
                                             data.data(), data.size(), static_cast<int>(count), 8,
                                             {}));
    }
    branches_.push_back(std::move(br));
}

void TreeWriter::addEventBranch(const std::string& name,
                                const std::vector<std::vector<TrackRecord>>& events) {
    const auto n = static_cast<long long>(events.size());
    checkEntries(n);
    Branch br;
    br.name = name;
    br.title = name;
    br.objectBranch = true;
    br.entryOffsetLen = 1000;
    br.entries = n;
    const std::size_t keylen = FileAssembler::basketKeyLength(name, name_);
    std::vector<std::uint8_t> data;
    std::vector<std::int32_t> offsets;
    long long first = 0;
    auto flush = [&](long long next) {
        br.firstEntries.push_back(first);
        br.baskets.push_back(file_.addBasket(name, name_, static_cast<int>(br.baskets.size()),
                                             data.data(), data.size(),
                                             static_cast<int>(offsets.size()), 0, offsets));
        data.clear();
        offsets.clear();
        first = next;
    };
    for (long long e = 0; e < n; ++e) {
        // Positions inside an entry count from the start of the basket buffer (key included);
        // each entry starts with an empty class map.
        WriteBuffer entry(keylen + data.size());
        trackrecordwriter::writeEventEntry(entry, events[static_cast<std::size_t>(e)]);
        offsets.push_back(static_cast<std::int32_t>(keylen + data.size()));
        data.insert(data.end(), entry.bytes().begin(), entry.bytes().end());
        if (data.size() >= static_cast<std::size_t>(kBasketSize))
            flush(e + 1);
    }
    if (!offsets.empty())
        flush(n);
    branches_.push_back(std::move(br));
}

void TreeWriter::writeBranch(WriteBuffer& b, const Branch& br, std::size_t& leafSlot) const {
    const auto slot = b.openObjectSlot(br.objectBranch ? "TBranchObject" : "TBranch");
    std::size_t outer = 0;
    if (br.objectBranch) {
        outer = b.openByteCount();
        b.i16(1);
    }
    const auto bc = b.openByteCount();
    b.i16(13);
    b.tnamed(br.name, br.title);
    {
        const auto fill = b.openByteCount();
        b.i16(2);
        b.i16(0);
        b.i16(1001);
        b.closeByteCount(fill);
    }
    const int nb = static_cast<int>(br.baskets.size());
    const int maxBaskets = std::max(nb + 1, 10);
    long long totBytes = 0, zipBytes = 0;
    for (const auto& p : br.baskets) {
        totBytes += p.keylenPlusObjlen;
        zipBytes += p.nbytes;
    }
    b.i32(file_.compressionSetting());
    b.i32(kBasketSize);
    b.i32(br.entryOffsetLen);
    b.i32(nb); // fWriteBasket
    b.i64(br.entries);
    b.ioFeatures();
    b.i32(0); // fOffset
    b.i32(maxBaskets);
    b.i32(0); // fSplitLevel
    b.i64(br.entries);
    b.i64(0); // fFirstEntry
    b.i64(totBytes);
    b.i64(zipBytes);
    b.emptyObjArray(); // fBranches
    {                  // fLeaves
        const auto leaves = b.openByteCount();
        b.i16(3);
        b.tobject();
        b.string("");
        b.i32(1);
        b.i32(0);
        leafSlot = b.openObjectSlot(br.objectBranch ? "TLeafObject" : "TLeafD");
        const auto leaf = b.openByteCount();
        b.i16(br.objectBranch ? 4 : 1);
        const auto tleaf = b.openByteCount();
        b.i16(2);
        b.tnamed(br.name, br.objectBranch ? "TObjArray" : br.name);
        b.i32(1);                       // fLen
        b.i32(br.objectBranch ? 0 : 8); // fLenType
        b.i32(0);                       // fOffset
        b.u8(0);                        // fIsRange
        b.u8(0);                        // fIsUnsigned
        b.u32(0);                       // fLeafCount
        b.closeByteCount(tleaf);
        if (br.objectBranch) {
            b.u8(1); // fVirtual: the class name precedes every entry
        } else {
            b.f64(0);
            b.f64(0);
        }
        b.closeByteCount(leaf);
        b.closeByteCount(leafSlot);
        b.closeByteCount(leaves);
    }
    { // fBaskets: empty slots, the baskets live in their own records
        const auto baskets = b.openByteCount();
        b.i16(3);
        b.tobject();
        b.string("");
        b.i32(nb + 1);
        b.i32(0);
        for (int i = 0; i <= nb; ++i)
            b.u32(0);
        b.closeByteCount(baskets);
    }
    b.u8(1);
    for (int i = 0; i < maxBaskets; ++i)
        b.i32(i < nb ? br.baskets[i].nbytes : 0);
    b.u8(1);
    for (int i = 0; i < maxBaskets; ++i)
        b.i64(i < nb ? br.firstEntries[i] : (i == nb ? br.entries : 0));
    b.u8(1);
    for (int i = 0; i < maxBaskets; ++i)
        b.i64(i < nb ? br.baskets[i].seek : 0);
    b.string(""); // fFileName
    b.closeByteCount(bc);
    if (br.objectBranch) {
        b.string("TObjArray"); // fClassName
        b.closeByteCount(outer);
    }
    b.closeByteCount(slot);
}

std::vector<std::uint8_t> TreeWriter::serialize(std::size_t origin) const {
    WriteBuffer b(origin);
    long long entries = branches_.empty() ? 0 : branches_.front().entries;
    long long totBytes = 0, zipBytes = 0;
    for (const auto& br : branches_)
        for (const auto& p : br.baskets) {
            totBytes += p.keylenPlusObjlen;
            zipBytes += p.nbytes;
        }
    const auto top = b.openByteCount();
    b.i16(20);
    b.tnamed(name_, title_, 0x8);
    {
        const auto line = b.openByteCount();
        b.i16(2);
        b.i16(602);
        b.i16(1);
        b.i16(1);
        b.closeByteCount(line);
        const auto fill = b.openByteCount();
        b.i16(2);
        b.i16(0);
        b.i16(1001);
        b.closeByteCount(fill);
        const auto marker = b.openByteCount();
        b.i16(2);
        b.i16(1);
        b.i16(1);
        b.f32(1.0f);
        b.closeByteCount(marker);
    }
    b.i64(entries);
    b.i64(totBytes);
    b.i64(zipBytes);
    b.i64(0); // fSavedBytes
    b.i64(0); // fFlushedBytes
    b.f64(1.0);
    b.i32(0);    // fTimerInterval
    b.i32(25);   // fScanField
    b.i32(0);    // fUpdate
    b.i32(1000); // fDefaultEntryOffsetLen
    b.i32(0);    // fNClusterRange
    b.i64(1000000000000LL);
    b.i64(1000000000000LL);
    b.i64(0);
    b.i64(-300000000LL);
    b.i64(-30000000LL);
    b.i64(1000000);
    b.u8(0); // fClusterRangeEnd
    b.u8(0); // fClusterSize
    b.ioFeatures();
    std::vector<std::size_t> leafSlots;
    {
        const auto arr = b.openByteCount();
        b.i16(3);
        b.tobject();
        b.string("");
        b.i32(static_cast<std::int32_t>(branches_.size()));
        b.i32(0);
        for (const auto& br : branches_) {
            std::size_t leafSlot = 0;
            writeBranch(b, br, leafSlot);
            leafSlots.push_back(leafSlot);
        }
        b.closeByteCount(arr);
    }
    {
        const auto arr = b.openByteCount();
        b.i16(3);
        b.tobject();
        b.string("");
        b.i32(static_cast<std::int32_t>(leafSlots.size()));
        b.i32(0);
        for (auto s : leafSlots)
            b.u32(b.objectRef(s));
        b.closeByteCount(arr);
    }
    b.u32(0); // fAliases
    b.i32(0); // fIndexValues
    b.i32(0); // fIndex
    b.u32(0); // fTreeIndex
    b.u32(0); // fFriends
    b.u32(0); // fUserInfo
    b.u32(0); // fBranchRef
    b.closeByteCount(top);
    return std::move(b.bytes());
}

} // namespace rootio
