#include "rootio/FileAssembler.h"

#include "rootio/Compression.h"
#include "rootio/Error.h"
#include "rootio/StreamerInfoCatalog.h"
#include "rootio/WriteBuffer.h"

#include <algorithm>

namespace rootio {

namespace {

constexpr std::int64_t kBegin = 100;
constexpr std::int32_t kFileVersion = 62206;
constexpr std::int64_t kSmallLimit = 2000000000;

// Fixed time stamp (2012-06-01 12:00:00): identical input gives identical files.
constexpr std::uint32_t kDatime = (2012u - 1995u) << 26 | 6u << 22 | 1u << 17 | 12u << 12;

std::size_t stringSize(const std::string& s) {
    return s.size() < 255 ? s.size() + 1 : s.size() + 5;
}

void put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    v[at] = static_cast<std::uint8_t>(x >> 24);
    v[at + 1] = static_cast<std::uint8_t>(x >> 16);
    v[at + 2] = static_cast<std::uint8_t>(x >> 8);
    v[at + 3] = static_cast<std::uint8_t>(x);
}

void append(std::vector<std::uint8_t>& out, const WriteBuffer& b) {
    out.insert(out.end(), b.bytes().begin(), b.bytes().end());
}

} // namespace

FileAssembler::FileAssembler(std::string fileName, int compressionLevel)
    : fileName_(std::move(fileName)), level_(std::clamp(compressionLevel, 0, 9)) {
    file_.assign(kBegin, 0);
    // Top directory record; its keys-list fields are patched by finish().
    rootDirKeylen_ = objectKeyLength("TFile", fileName_, "");
    nbytesName_ = rootDirKeylen_ + stringSize(fileName_) + stringSize("");
    WriteBuffer payload;
    payload.string(fileName_);
    payload.string("");
    payload.i16(5);
    payload.u32(kDatime);
    payload.u32(kDatime);
    payload.i32(0);                                      // fNbytesKeys
    payload.i32(static_cast<std::int32_t>(nbytesName_)); // fNbytesName
    payload.i32(static_cast<std::int32_t>(kBegin));      // fSeekDir
    payload.i32(0);                                      // fSeekParent
    payload.i32(0);                                      // fSeekKeys
    payload.i16(1);
    payload.zeros(16); // UUID
    payload.zeros(12);
    appendRecord("TFile", fileName_, "", payload.bytes(), false, 1, nullptr, 0);
    Directory top;
    top.seek = kBegin;
    directories_.push_back(std::move(top));
}

std::size_t FileAssembler::objectKeyLength(const std::string& className, const std::string& name,
                                           const std::string& title) {
    return 26 + stringSize(className) + stringSize(name) + stringSize(title);
}

std::size_t FileAssembler::basketKeyLength(const std::string& branchName,
                                           const std::string& treeName) {
    return 34 + stringSize("TBasket") + stringSize(branchName) + stringSize(treeName) + 19;
}

void FileAssembler::writeKeyHeader(std::vector<std::uint8_t>& out, std::int32_t nbytes,
                                   std::int32_t objlen, std::int16_t keylen, std::int16_t cycle,
                                   std::int64_t seekKey, std::int64_t seekPdir,
                                   const std::string& className, const std::string& name,
                                   const std::string& title, bool large) {
    WriteBuffer k;
    k.i32(nbytes);
    k.i16(large ? 1004 : 4);
    k.i32(objlen);
    k.u32(kDatime);
    k.i16(keylen);
    k.i16(cycle);
    if (large) {
        k.i64(seekKey);
        k.i64(seekPdir);
    } else {
        k.i32(static_cast<std::int32_t>(seekKey));
        k.i32(static_cast<std::int32_t>(seekPdir));
    }
    k.string(className);
    k.string(name);
    k.string(title);
    append(out, k);
}

std::int64_t FileAssembler::appendRecord(const std::string& className, const std::string& name,
                                         const std::string& title,
                                         const std::vector<std::uint8_t>& payload, bool compress,
                                         int cycle, KeyImage* image, std::int64_t pdir) {
    const std::int64_t seek = static_cast<std::int64_t>(file_.size());
    const std::size_t keylen = objectKeyLength(className, name, title);
    std::vector<std::uint8_t> packed;
    if (compress && level_ > 0 && payload.size() > 256)
        packed = compression::compressZlib(payload.data(), payload.size(), level_);
    const std::vector<std::uint8_t>& body = packed.empty() ? payload : packed;
    const std::size_t nbytes = keylen + body.size();
    if (seek + static_cast<std::int64_t>(nbytes) > kSmallLimit)
        throw Error(fileName_, "file would exceed 2 GB");
    writeKeyHeader(file_, static_cast<std::int32_t>(nbytes),
                   static_cast<std::int32_t>(payload.size()), static_cast<std::int16_t>(keylen),
                   static_cast<std::int16_t>(cycle), seek, pdir, className, name, title, false);
    if (image)
        image->bytes.assign(file_.begin() + seek, file_.begin() + seek + keylen);
    file_.insert(file_.end(), body.begin(), body.end());
    return seek;
}

void FileAssembler::addObject(const std::string& className, const std::string& name,
                              const std::string& title, const std::vector<std::uint8_t>& payload) {
    Directory& dir = directories_.back();
    KeyImage image;
    image.name = name;
    image.cycle = ++dir.cycles[name];
    appendRecord(className, name, title, payload, true, image.cycle, &image, dir.seek);
    dir.keys.push_back(std::move(image));
}

void FileAssembler::beginDirectory(const std::string& name) {
    Directory& parent = directories_.back();
    Directory sub;
    sub.name = name;
    sub.seek = static_cast<std::int64_t>(file_.size());
    sub.keylen = objectKeyLength("TDirectory", name, "");
    WriteBuffer payload;
    payload.i16(5);
    payload.u32(kDatime);
    payload.u32(kDatime);
    payload.i32(0); // fNbytesKeys, patched by endDirectory
    payload.i32(static_cast<std::int32_t>(sub.keylen));
    payload.i32(static_cast<std::int32_t>(sub.seek));
    payload.i32(static_cast<std::int32_t>(parent.seek));
    payload.i32(0); // fSeekKeys, patched by endDirectory
    payload.i16(1);
    payload.zeros(16);
    payload.zeros(12);
    KeyImage image;
    image.name = name;
    image.cycle = ++parent.cycles[name];
    appendRecord("TDirectory", name, "", payload.bytes(), false, image.cycle, &image, parent.seek);
    parent.keys.push_back(std::move(image));
    directories_.push_back(std::move(sub));
}

void FileAssembler::endDirectory() {
    if (directories_.size() < 2)
        throw Error(fileName_, "no directory to leave");
    const Directory dir = std::move(directories_.back());
    directories_.pop_back();
    const std::int64_t seekKeys =
        appendRecord("TDirectory", dir.name, "", keysList(dir.keys), false, 1, nullptr, dir.seek);
    const auto nbytesKeys = static_cast<std::uint32_t>(file_.size() - seekKeys);
    const std::size_t fields = static_cast<std::size_t>(dir.seek) + dir.keylen;
    put32(file_, fields + 10, nbytesKeys);
    put32(file_, fields + 26, static_cast<std::uint32_t>(seekKeys));
}

std::vector<std::uint8_t> FileAssembler::keysList(const std::vector<KeyImage>& keys) const {
    // Newest cycle first among equal names, otherwise in order of writing.
    std::vector<const KeyImage*> grouped;
    std::vector<bool> taken(keys.size(), false);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (taken[i])
            continue;
        std::vector<std::size_t> same;
        for (std::size_t j = i; j < keys.size(); ++j)
            if (!taken[j] && keys[j].name == keys[i].name)
                same.push_back(j);
        std::sort(same.begin(), same.end(),
                  [&](std::size_t a, std::size_t b) { return keys[a].cycle > keys[b].cycle; });
        for (auto j : same) {
            taken[j] = true;
            grouped.push_back(&keys[j]);
        }
    }
    WriteBuffer list;
    list.i32(static_cast<std::int32_t>(grouped.size()));
    for (const auto* k : grouped)
        list.raw(k->bytes.data(), k->bytes.size());
    return std::move(list.bytes());
}

FileAssembler::BasketPlacement FileAssembler::addBasket(const std::string& branchName,
                                                        const std::string& treeName,
                                                        int basketIndex, const std::uint8_t* data,
                                                        std::size_t dataSize, int entries,
                                                        int fixedEntrySize,
                                                        const std::vector<std::int32_t>& offsets) {
    const std::size_t keylen = basketKeyLength(branchName, treeName);
    std::vector<std::uint8_t> payload;
    const std::uint8_t* raw = data;
    std::size_t rawSize = dataSize;
    if (!offsets.empty()) {
        WriteBuffer b;
        b.reserve(dataSize + 4 * offsets.size() + 8);
        b.raw(data, dataSize);
        b.i32(entries + 1);
        for (auto o : offsets)
            b.i32(o);
        b.i32(0);
        payload = std::move(b.bytes());
        raw = payload.data();
        rawSize = payload.size();
    }
    std::vector<std::uint8_t> packed;
    if (level_ > 0)
        packed = compression::compressZlib(raw, rawSize, level_);
    const std::uint8_t* body = packed.empty() ? raw : packed.data();
    const std::size_t bodySize = packed.empty() ? rawSize : packed.size();

    BasketPlacement p;
    p.seek = static_cast<std::int64_t>(file_.size());
    p.nbytes = static_cast<std::int32_t>(keylen + bodySize);
    p.keylenPlusObjlen = static_cast<std::int64_t>(keylen + rawSize);
    if (p.seek + p.nbytes > kSmallLimit)
        throw Error(fileName_, "file would exceed 2 GB");
    writeKeyHeader(file_, p.nbytes, static_cast<std::int32_t>(rawSize),
                   static_cast<std::int16_t>(keylen), static_cast<std::int16_t>(basketIndex),
                   p.seek, directories_.back().seek, "TBasket", branchName, treeName, true);
    WriteBuffer h;
    h.i16(3);
    h.i32(32000);
    h.i32(offsets.empty() ? fixedEntrySize : 1000);
    h.i32(entries);
    h.i32(static_cast<std::int32_t>(keylen + dataSize)); // fLast
    h.u8(0);
    append(file_, h);
    file_.insert(file_.end(), body, body + bodySize);
    return p;
}

std::vector<std::uint8_t> FileAssembler::finish(const std::vector<std::string>& infoClasses) {
    static const StreamerInfoCatalog catalog;
    const auto classes = catalog.closure(infoClasses);
    const std::size_t infoKeylen = objectKeyLength("TList", "StreamerInfo", "Doubly linked list");
    const std::int64_t seekInfo = static_cast<std::int64_t>(file_.size());
    appendRecord("TList", "StreamerInfo", "Doubly linked list",
                 catalog.serialize(classes, infoKeylen), true, 1, nullptr, kBegin);
    const std::int64_t nbytesInfo = static_cast<std::int64_t>(file_.size()) - seekInfo;

    if (directories_.size() != 1)
        throw Error(fileName_, "a directory was not left");
    const std::int64_t seekKeys = appendRecord(
        "TFile", fileName_, "", keysList(directories_.front().keys), false, 1, nullptr, kBegin);
    const std::int64_t nbytesKeys = static_cast<std::int64_t>(file_.size()) - seekKeys;

    const std::size_t freeKeylen = objectKeyLength("TFile", fileName_, "");
    const std::int64_t seekFree = static_cast<std::int64_t>(file_.size());
    const std::int64_t end = seekFree + static_cast<std::int64_t>(freeKeylen) + 10;
    WriteBuffer freeList;
    freeList.i16(1);
    freeList.i32(static_cast<std::int32_t>(end));
    freeList.i32(2000000000);
    appendRecord("TFile", fileName_, "", freeList.bytes(), false, 1, nullptr, kBegin);
    if (static_cast<std::int64_t>(file_.size()) != end)
        throw Error(fileName_, "internal error: free list size");

    // Patch the top directory: fNbytesKeys and fSeekKeys.
    const std::size_t dir = kBegin + nbytesName_;
    put32(file_, dir + 10, static_cast<std::uint32_t>(nbytesKeys));
    put32(file_, dir + 26, static_cast<std::uint32_t>(seekKeys));

    WriteBuffer h;
    h.raw("root", 4);
    h.i32(kFileVersion);
    h.i32(static_cast<std::int32_t>(kBegin));
    h.i32(static_cast<std::int32_t>(end));
    h.i32(static_cast<std::int32_t>(seekFree));
    h.i32(static_cast<std::int32_t>(freeKeylen + 10));
    h.i32(1);
    h.i32(static_cast<std::int32_t>(nbytesName_));
    h.u8(4);
    h.i32(compressionSetting());
    h.i32(static_cast<std::int32_t>(seekInfo));
    h.i32(static_cast<std::int32_t>(nbytesInfo));
    h.i16(1);
    h.zeros(16);
    std::copy(h.bytes().begin(), h.bytes().end(), file_.begin());
    return std::move(file_);
}

} // namespace rootio
