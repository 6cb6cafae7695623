#include "rootio/RecordSource.h"

#include "rootio/Compression.h"
#include "rootio/Error.h"
#include "rootio/ReadCursor.h"

#include <cstring>

namespace rootio {

namespace {
constexpr std::size_t kMaxObject = 0x40000000; // 1 GiB, ROOT's limit per object
}

RecordSource::RecordSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() < 4 || std::memcmp(bytes_.data(), "root", 4) != 0)
        throw Malformed("not a ROOT file");
    ReadCursor c(bytes_.data(), bytes_.size());
    c.skip(4);
    try {
        version_ = c.i32();
        const bool large = version_ >= 1000000;
        begin_ = c.i32();
        end_ = large ? c.i64() : c.i32();
        if (large)
            c.i64(); // fSeekFree
        else
            c.i32();
        c.i32(); // fNbytesFree
        c.i32(); // nfree
        nbytesName_ = c.i32();
        c.u8();  // fUnits
        c.i32(); // fCompress
        seekInfo_ = large ? c.i64() : c.i32();
        nbytesInfo_ = c.i32();
    } catch (const Malformed&) {
        throw Malformed("truncated file header");
    }
    if (begin_ <= 0 || begin_ > end_ || nbytesName_ < 10 || nbytesName_ > 10000)
        throw Malformed("corrupt file header");
    if (end_ > static_cast<std::int64_t>(bytes_.size()))
        throw Malformed("file is truncated (" + std::to_string(bytes_.size()) + " of " +
                        std::to_string(end_) + " bytes)");
}

KeyHeader RecordSource::parseKey(const std::uint8_t* data, std::size_t size) {
    ReadCursor c(data, size);
    KeyHeader k;
    k.nbytes = c.i32();
    k.version = c.i16();
    k.objlen = c.i32();
    k.datime = c.u32();
    k.keylen = c.i16();
    k.cycle = c.i16();
    const bool large = k.version > 1000;
    k.seekKey = large ? c.i64() : c.i32();
    k.seekPdir = large ? (c.i64() & 0x0000FFFFFFFFFFFFLL) : c.i32();
    k.className = c.string();
    k.name = c.string();
    k.title = c.string();
    k.headerEnd = c.offset();
    if (k.nbytes <= 0 || k.keylen <= 0 || k.keylen > k.nbytes || k.objlen < 0 ||
        static_cast<std::size_t>(k.keylen) < k.headerEnd)
        throw Malformed("corrupt key \"" + k.name + "\"");
    if (k.cycle < 0)
        k.cycle = static_cast<std::int16_t>(-k.cycle);
    return k;
}

KeyHeader RecordSource::keyAt(std::int64_t offset) const {
    if (offset < begin_ || offset >= end_)
        throw Malformed("record offset " + std::to_string(offset) + " outside the file");
    const auto at = static_cast<std::size_t>(offset);
    KeyHeader k = parseKey(bytes_.data() + at, static_cast<std::size_t>(end_) - at);
    if (k.seekKey != offset)
        throw Malformed("record at " + std::to_string(offset) + " does not start with its key");
    if (offset + k.nbytes > end_)
        throw Malformed("record \"" + k.name + "\" runs past the end of the file");
    return k;
}

void RecordSource::payload(const KeyHeader& key, std::vector<std::uint8_t>& out) const {
    const std::uint8_t* stored = bytes_.data() + key.seekKey + key.keylen;
    const std::size_t storedSize = static_cast<std::size_t>(key.nbytes - key.keylen);
    const auto objlen = static_cast<std::size_t>(key.objlen);
    if (objlen <= storedSize) {
        out.assign(stored, stored + objlen);
        return;
    }
    // Compressed: the block headers are checked before anything is allocated.
    if (objlen > kMaxObject)
        throw Malformed("record \"" + key.name + "\" claims an implausible size");
    compression::decompress(stored, storedSize, objlen, out, "record \"" + key.name + "\"");
}

std::vector<std::uint8_t> RecordSource::payload(const KeyHeader& key) const {
    std::vector<std::uint8_t> out;
    payload(key, out);
    return out;
}

} // namespace rootio
