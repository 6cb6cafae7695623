#include "rootio/ReadCursor.h"

#include <cstring>

namespace rootio {

void ReadCursor::require(std::size_t n) const {
    if (n > size_ - pos_)
        throw Malformed("unexpected end of data (need " + std::to_string(n) + " bytes at offset " +
                        std::to_string(origin_ + pos_) + ", have " + std::to_string(size_ - pos_) +
                        ")");
}

const std::uint8_t* ReadCursor::take(std::size_t n) {
    require(n);
    const std::uint8_t* p = data_ + pos_;
    pos_ += n;
    return p;
}

std::uint16_t ReadCursor::u16() {
    const auto* p = take(2);
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint32_t ReadCursor::u32() {
    const auto* p = take(4);
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

std::uint64_t ReadCursor::u64() {
    const std::uint64_t hi = u32();
    return hi << 32 | u32();
}

float ReadCursor::f32() {
    const std::uint32_t bits = u32();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

double ReadCursor::f64() {
    const std::uint64_t bits = u64();
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

std::string ReadCursor::string() {
    std::size_t n = u8();
    if (n == 255)
        n = u32();
    const auto* p = take(n);
    return std::string(reinterpret_cast<const char*>(p), n);
}

std::string ReadCursor::cstring() {
    const std::size_t start = pos_;
    const void* nul = std::memchr(data_ + pos_, 0, size_ - pos_);
    if (!nul)
        throw Malformed("unterminated class name");
    const auto n =
        static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - (data_ + start));
    pos_ += n + 1;
    return std::string(reinterpret_cast<const char*>(data_ + start), n);
}

void ReadCursor::seek(std::size_t offset) {
    if (offset > size_)
        throw Malformed("position " + std::to_string(origin_ + offset) + " outside the object");
    pos_ = offset;
}

void ReadCursor::seekPosition(std::size_t position) {
    if (position < origin_)
        throw Malformed("position " + std::to_string(position) + " outside the object");
    seek(position - origin_);
}

} // namespace rootio
