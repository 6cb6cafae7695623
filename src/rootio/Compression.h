#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rootio {

// ROOT's compressed record payloads: back-to-back blocks of a 9-byte header (magic, method,
// 24-bit little-endian compressed and uncompressed sizes) and the codec's data.
namespace compression {

// zlib blocks of at most 0xFFFFFF input bytes each. Returns an empty vector when the
// compressed form would not be smaller (the caller then stores the payload raw).
std::vector<std::uint8_t> compressZlib(const std::uint8_t* data, std::size_t size, int level);

// Decodes `size` input bytes (zlib, legacy deflate, lzma, lz4 with checksum, zstd) into
// exactly `expected` bytes in `out`. The block headers are checked before `out` is sized.
// Throws rootio::Error naming `what`.
void decompress(const std::uint8_t* data, std::size_t size, std::size_t expected,
                std::vector<std::uint8_t>& out, const std::string& what);

} // namespace compression
} // namespace rootio
