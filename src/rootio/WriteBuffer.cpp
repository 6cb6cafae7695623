#include "rootio/WriteBuffer.h"

#include "rootio/Error.h"
#include "rootio/ObjectFrame.h"

#include <cstring>

namespace rootio {

namespace {
constexpr std::uint32_t kMapOffset = 2;
} // namespace

void WriteBuffer::u16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    bytes_.push_back(static_cast<std::uint8_t>(v));
}

void WriteBuffer::u32(std::uint32_t v) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v >> 24),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    bytes_.insert(bytes_.end(), b, b + 4);
}

void WriteBuffer::u64(std::uint64_t v) {
    u32(static_cast<std::uint32_t>(v >> 32));
    u32(static_cast<std::uint32_t>(v));
}

void WriteBuffer::f32(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    u32(bits);
}

void WriteBuffer::f64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    u64(bits);
}

void WriteBuffer::raw(const void* data, std::size_t n) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + n);
}

void WriteBuffer::string(const std::string& s) {
    if (s.size() < 255) {
        u8(static_cast<std::uint8_t>(s.size()));
    } else {
        u8(0xFF);
        u32(static_cast<std::uint32_t>(s.size()));
    }
    raw(s.data(), s.size());
}

void WriteBuffer::cstring(const std::string& s) {
    raw(s.data(), s.size());
    u8(0);
}

std::size_t WriteBuffer::openByteCount() {
    const std::size_t at = bytes_.size();
    u32(0);
    return at;
}

void WriteBuffer::closeByteCount(std::size_t at) {
    const std::size_t count = bytes_.size() - at - 4;
    if (count >= kByteCountMask)
        throw Error("object too large for a ROOT byte count");
    patchU32(at, static_cast<std::uint32_t>(count) | kByteCountMask);
}

void WriteBuffer::classTag(const std::string& className) {
    const auto it = classMap_.find(className);
    if (it != classMap_.end()) {
        u32(it->second | kClassMask);
        return;
    }
    const auto tagPosition = static_cast<std::uint32_t>(origin_ + bytes_.size() + kMapOffset);
    u32(kNewClassTag);
    cstring(className);
    classMap_.emplace(className, tagPosition);
}

std::size_t WriteBuffer::openObjectSlot(const std::string& className) {
    const std::size_t at = openByteCount();
    classTag(className);
    return at;
}

void WriteBuffer::tobject(std::uint32_t bits, std::uint32_t uniqueId) {
    i16(1);
    u32(uniqueId);
    u32(bits & ~0x10u); // never kIsReferenced: no process-id slot follows
}

void WriteBuffer::tnamed(const std::string& name, const std::string& title, std::uint32_t bits) {
    const auto bc = openByteCount();
    i16(1);
    tobject(bits);
    string(name);
    string(title);
    closeByteCount(bc);
}

void WriteBuffer::emptyList() {
    const auto bc = openByteCount();
    i16(5);
    tobject();
    string("");
    i32(0);
    closeByteCount(bc);
}

void WriteBuffer::emptyObjArray() {
    const auto bc = openByteCount();
    i16(3);
    tobject();
    string("");
    i32(0);
    i32(0);
    closeByteCount(bc);
}

void WriteBuffer::ioFeatures() {
    const auto bc = openByteCount();
    i16(0);
    u32(0x1aa12f10u);
    u8(0);
    closeByteCount(bc);
}

void WriteBuffer::patchU32(std::size_t at, std::uint32_t v) {
    bytes_[at] = static_cast<std::uint8_t>(v >> 24);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 16);
    bytes_[at + 2] = static_cast<std::uint8_t>(v >> 8);
    bytes_[at + 3] = static_cast<std::uint8_t>(v);
}

} // namespace rootio
