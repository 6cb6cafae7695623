#include "rootio/Compression.h"

#include "rootio/Error.h"
#include "rootio/ReadCursor.h"

#include <lz4.h>
#include <lzma.h>
#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <cstring>

namespace rootio {
namespace compression {

namespace {

constexpr std::size_t kHeaderSize = 9;
constexpr std::size_t kMaxBlock = 0xFFFFFF;

std::uint32_t le24(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16;
}

void putLe24(std::uint8_t* p, std::size_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
}

// XXH64 with seed 0, as ROOT stores it in front of each LZ4 block.
std::uint64_t rotl(std::uint64_t x, int r) {
    return (x << r) | (x >> (64 - r));
}
constexpr std::uint64_t P1 = 11400714785074694791ULL, P2 = 14029467366897019727ULL,
                        P3 = 1609587929392839161ULL, P4 = 9650029242287828579ULL,
                        P5 = 2870177450012600261ULL;
std::uint64_t rd64(const std::uint8_t* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}
std::uint32_t rd32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint64_t round(std::uint64_t acc, std::uint64_t input) {
    acc += input * P2;
    acc = rotl(acc, 31);
    return acc * P1;
}
std::uint64_t mergeRound(std::uint64_t acc, std::uint64_t val) {
    acc ^= round(0, val);
    return acc * P1 + P4;
}

std::uint64_t xxh64(const std::uint8_t* p, std::size_t len) {
    const std::uint8_t* end = p + len;
    std::uint64_t h;
    if (len >= 32) {
        std::uint64_t v1 = P1 + P2, v2 = P2, v3 = 0, v4 = 0 - P1;
        const std::uint8_t* limit = end - 32;
        do {
            v1 = round(v1, rd64(p));
            v2 = round(v2, rd64(p + 8));
            v3 = round(v3, rd64(p + 16));
            v4 = round(v4, rd64(p + 24));
            p += 32;
        } while (p <= limit);
        h = rotl(v1, 1) + rotl(v2, 7) + rotl(v3, 12) + rotl(v4, 18);
        h = mergeRound(h, v1);
        h = mergeRound(h, v2);
        h = mergeRound(h, v3);
        h = mergeRound(h, v4);
    } else {
        h = P5;
    }
    h += static_cast<std::uint64_t>(len);
    while (p + 8 <= end) {
        h ^= round(0, rd64(p));
        h = rotl(h, 27) * P1 + P4;
        p += 8;
    }
    if (p + 4 <= end) {
        h ^= static_cast<std::uint64_t>(rd32(p)) * P1;
        h = rotl(h, 23) * P2 + P3;
        p += 4;
    }
    while (p < end) {
        h ^= (*p) * P5;
        h = rotl(h, 11) * P1;
        ++p;
    }
    h ^= h >> 33;
    h *= P2;
    h ^= h >> 29;
    h *= P3;
    h ^= h >> 32;
    return h;
}

void inflateBlock(const std::uint8_t* in, std::size_t inSize, std::uint8_t* out,
                  std::size_t outSize, bool rawDeflate, const std::string& what) {
    z_stream zs{};
    if (inflateInit2(&zs, rawDeflate ? -15 : 15) != Z_OK)
        throw Malformed(what + ": cannot start zlib");
    zs.next_in = const_cast<Bytef*>(in);
    zs.avail_in = static_cast<uInt>(inSize);
    zs.next_out = out;
    zs.avail_out = static_cast<uInt>(outSize);
    const int rc = inflate(&zs, Z_FINISH);
    const std::size_t produced = outSize - zs.avail_out;
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || produced != outSize)
        throw Malformed(what + ": corrupt zlib block");
}

void lzmaBlock(const std::uint8_t* in, std::size_t inSize, std::uint8_t* out, std::size_t outSize,
               const std::string& what) {
    lzma_stream ls = LZMA_STREAM_INIT;
    if (lzma_stream_decoder(&ls, UINT64_MAX, 0) != LZMA_OK)
        throw Malformed(what + ": cannot start lzma");
    ls.next_in = in;
    ls.avail_in = inSize;
    ls.next_out = out;
    ls.avail_out = outSize;
    lzma_ret rc = lzma_code(&ls, LZMA_FINISH);
    const std::size_t produced = outSize - ls.avail_out;
    lzma_end(&ls);
    if ((rc != LZMA_STREAM_END && rc != LZMA_OK) || produced != outSize)
        throw Malformed(what + ": corrupt lzma block");
}

void lz4Block(const std::uint8_t* in, std::size_t inSize, std::uint8_t* out, std::size_t outSize,
              const std::string& what) {
    if (inSize < 8)
        throw Malformed(what + ": lz4 block too short");
    std::uint64_t stored = 0;
    for (int i = 0; i < 8; ++i)
        stored = stored << 8 | in[i];
    if (xxh64(in + 8, inSize - 8) != stored)
        throw Malformed(what + ": lz4 checksum mismatch");
    const int n =
        LZ4_decompress_safe(reinterpret_cast<const char*>(in + 8), reinterpret_cast<char*>(out),
                            static_cast<int>(inSize - 8), static_cast<int>(outSize));
    if (n < 0 || static_cast<std::size_t>(n) != outSize)
        throw Malformed(what + ": corrupt lz4 block");
}

void zstdBlock(const std::uint8_t* in, std::size_t inSize, std::uint8_t* out, std::size_t outSize,
               const std::string& what) {
    const std::size_t n = ZSTD_decompress(out, outSize, in, inSize);
    if (ZSTD_isError(n) || n != outSize)
        throw Malformed(what + ": corrupt zstd block");
}

// One block of a compressed payload: the offset of its header and its two sizes.
struct Block {
    std::size_t offset;
    std::size_t compressedSize;
    std::size_t uncompressedSize;
};

// The blocks read from their headers alone: each lies inside the input and together they
// decode to exactly `expected` bytes.
std::vector<Block> blocks(const std::uint8_t* data, std::size_t size, std::size_t expected,
                          const std::string& what) {
    std::vector<Block> found;
    std::size_t at = 0, total = 0;
    while (total < expected) {
        if (size - at < kHeaderSize)
            throw Malformed(what + ": truncated compression block header");
        const Block block{at, le24(data + at + 3), le24(data + at + 6)};
        if (block.compressedSize > size - at - kHeaderSize)
            throw Malformed(what + ": compression block runs past the record");
        if (block.uncompressedSize == 0 || block.uncompressedSize > expected - total)
            throw Malformed(what + ": compression blocks do not add up to the object");
        found.push_back(block);
        total += block.uncompressedSize;
        at += kHeaderSize + block.compressedSize;
    }
    return found;
}

} // namespace

std::vector<std::uint8_t> compressZlib(const std::uint8_t* data, std::size_t size, int level) {
    std::vector<std::uint8_t> out;
    out.reserve(size / 2 + 64);
    std::size_t done = 0;
    z_stream zs{};
    if (deflateInit(&zs, std::clamp(level, 1, 9)) != Z_OK)
        throw Error("cannot start zlib compression");
    while (done < size) {
        const std::size_t chunk = std::min(kMaxBlock, size - done);
        deflateReset(&zs);
        const std::size_t bound = deflateBound(&zs, static_cast<uLong>(chunk));
        const std::size_t at = out.size();
        out.resize(at + kHeaderSize + bound);
        zs.next_in = const_cast<Bytef*>(data + done);
        zs.avail_in = static_cast<uInt>(chunk);
        zs.next_out = out.data() + at + kHeaderSize;
        zs.avail_out = static_cast<uInt>(bound);
        const int rc = deflate(&zs, Z_FINISH);
        if (rc != Z_STREAM_END) {
            deflateEnd(&zs);
            throw Error("zlib compression failed");
        }
        const std::size_t csize = bound - zs.avail_out;
        if (csize > kMaxBlock) { // incompressible data: caller stores it raw
            deflateEnd(&zs);
            return {};
        }
        std::uint8_t* h = out.data() + at;
        h[0] = 'Z';
        h[1] = 'L';
        h[2] = 8;
        putLe24(h + 3, csize);
        putLe24(h + 6, chunk);
        out.resize(at + kHeaderSize + csize);
        done += chunk;
        if (out.size() >= size) {
            deflateEnd(&zs);
            return {};
        }
    }
    deflateEnd(&zs);
    return out;
}

void decompress(const std::uint8_t* data, std::size_t size, std::size_t expected,
                std::vector<std::uint8_t>& out, const std::string& what) {
    const std::vector<Block> list = blocks(data, size, expected, what);
    out.resize(expected);
    std::size_t produced = 0;
    for (const Block& block : list) {
        const std::uint8_t* h = data + block.offset;
        const std::uint8_t* body = h + kHeaderSize;
        const std::size_t csize = block.compressedSize, usize = block.uncompressedSize;
        std::uint8_t* dst = out.data() + produced;
        if (h[0] == 'Z' && h[1] == 'L' && h[2] == 8)
            inflateBlock(body, csize, dst, usize, false, what);
        else if (h[0] == 'C' && h[1] == 'S' && h[2] == 8)
            inflateBlock(body, csize, dst, usize, true, what);
        else if (h[0] == 'X' && h[1] == 'Z' && h[2] == 0)
            lzmaBlock(body, csize, dst, usize, what);
        else if (h[0] == 'L' && h[1] == '4')
            lz4Block(body, csize, dst, usize, what);
        else if (h[0] == 'Z' && h[1] == 'S' && h[2] == 1)
            zstdBlock(body, csize, dst, usize, what);
        else
            throw Malformed(what + ": unknown compression algorithm");
        produced += usize;
    }
}

} // namespace compression
} // namespace rootio
