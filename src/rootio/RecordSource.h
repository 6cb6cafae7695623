#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rootio {

// The key in front of every record of a ROOT file.
struct KeyHeader {
    std::int32_t nbytes = 0;
    std::int16_t version = 0;
    std::int32_t objlen = 0;
    std::uint32_t datime = 0;
    std::int16_t keylen = 0;
    std::int16_t cycle = 0;
    std::int64_t seekKey = 0;
    std::int64_t seekPdir = 0;
    std::string className, name, title;
    std::size_t headerEnd = 0; // bytes of the key actually parsed (fixed part and strings)
};

// The bytes of a ROOT file and the records in them: header, keys and payloads.
// Throws Malformed on anything that does not fit.
class RecordSource {
public:
    explicit RecordSource(std::vector<std::uint8_t> bytes);

    std::int64_t begin() const { return begin_; }
    std::int64_t end() const { return end_; }
    std::int64_t seekInfo() const { return seekInfo_; }
    std::int32_t nbytesInfo() const { return nbytesInfo_; }
    std::int32_t fileVersion() const { return version_; }
    std::int32_t nbytesName() const { return nbytesName_; }

    // The key at `offset` (must lie inside [begin, end)).
    KeyHeader keyAt(std::int64_t offset) const;
    // Parses a key image (in a keys list) from `data`.
    static KeyHeader parseKey(const std::uint8_t* data, std::size_t size);
    // The uncompressed payload of the record whose key is `key`.
    std::vector<std::uint8_t> payload(const KeyHeader& key) const;
    // Same, into `out` (resized), for reuse in loops.
    void payload(const KeyHeader& key, std::vector<std::uint8_t>& out) const;

    const std::uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
    std::int32_t version_ = 0;
    std::int64_t begin_ = 0, end_ = 0, seekInfo_ = 0;
    std::int32_t nbytesInfo_ = 0;
    std::int32_t nbytesName_ = 0;
};

} // namespace rootio
