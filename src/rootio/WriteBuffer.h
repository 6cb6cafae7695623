#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace rootio {

// Big-endian output buffer with ROOT's object framing: byte counts, class tags and the
// class map. `origin` is the buffer position of byte 0 (the key length for a record,
// so that stored positions count from the start of the key).
class WriteBuffer {
public:
    explicit WriteBuffer(std::size_t origin = 0) : origin_(origin) {}

    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u16(std::uint16_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u32(std::uint32_t v);
    void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
    void u64(std::uint64_t v);
    void f32(float v);
    void f64(double v);
    void raw(const void* data, std::size_t n);
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    // Counted string: one length byte, or 0xFF and a 32-bit length from 255 characters on.
    void string(const std::string& s);
    void cstring(const std::string& s); // bytes and a terminating NUL

    // Reserves a byte-count word and returns its offset; closeByteCount fills it in.
    std::size_t openByteCount();
    void closeByteCount(std::size_t at);

    // Class tag: new-class tag and name the first time, a back-reference afterwards.
    void classTag(const std::string& className);
    // Object slot header: byte count (returned, for closeByteCount) and class tag.
    // objectRef() of the returned offset is what later references to the object store.
    std::size_t openObjectSlot(const std::string& className);
    std::uint32_t objectRef(std::size_t slotOffset) const {
        return static_cast<std::uint32_t>(origin_ + slotOffset + 2);
    }
    void resetClassMap() { classMap_.clear(); }

    // TObject base (version 1, no byte count) and TNamed (framed).
    void tobject(std::uint32_t bits = 0, std::uint32_t uniqueId = 0);
    void tnamed(const std::string& name, const std::string& title, std::uint32_t bits = 0);
    // Framed empty TList / TObjArray in place (no class tag).
    void emptyList();
    void emptyObjArray();
    // TIOFeatures: version 0, checksum, one byte of bits.
    void ioFeatures();

    void patchU32(std::size_t at, std::uint32_t v);
    void patchI32(std::size_t at, std::int32_t v) { patchU32(at, static_cast<std::uint32_t>(v)); }

    std::size_t size() const { return bytes_.size(); }
    std::size_t origin() const { return origin_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }
    void reserve(std::size_t n) { bytes_.reserve(n); }

private:
    std::size_t origin_;
    std::vector<std::uint8_t> bytes_;
    std::map<std::string, std::uint32_t> classMap_;
};

} // namespace rootio
