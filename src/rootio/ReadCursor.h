#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace rootio {

// A malformed byte sequence; FileReader turns it into a rootio::Error naming the file.
class Malformed : public std::runtime_error {
public:
    explicit Malformed(const std::string& what) : std::runtime_error(what) {}
};

// Bounds-checked big-endian reader over [data, data+size). `origin` is the buffer position
// of data[0] (the key length for a record payload), so that position() matches ROOT's
// stored positions.
class ReadCursor {
public:
    ReadCursor(const std::uint8_t* data, std::size_t size, std::size_t origin = 0)
        : data_(data), size_(size), origin_(origin) {}

    std::uint8_t u8() { return *take(1); }
    std::int8_t i8() { return static_cast<std::int8_t>(u8()); }
    std::uint16_t u16();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64();
    std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
    float f32();
    double f64();
    std::string string();  // counted string
    std::string cstring(); // NUL-terminated (at most the rest of the buffer)
    const std::uint8_t* bytes(std::size_t n) { return take(n); }
    void skip(std::size_t n) { take(n); }

    std::size_t offset() const { return pos_; }             // relative to data
    std::size_t position() const { return origin_ + pos_; } // ROOT buffer position
    std::size_t origin() const { return origin_; }
    std::size_t remaining() const { return size_ - pos_; }
    std::size_t size() const { return size_; }
    bool atEnd() const { return pos_ >= size_; }
    void seek(std::size_t offset);
    void seekPosition(std::size_t position);
    const std::uint8_t* data() const { return data_; }

    // Throws unless n more bytes are available.
    void require(std::size_t n) const;

private:
    const std::uint8_t* take(std::size_t n);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t origin_;
    std::size_t pos_ = 0;
};

} // namespace rootio
