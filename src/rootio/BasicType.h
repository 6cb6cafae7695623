#pragma once

namespace rootio {

// Basic type codes of streamer elements and leaves (TStreamerElement's fType).
namespace basictype {
constexpr int kChar = 1;
constexpr int kShort = 2;
constexpr int kInt = 3;
constexpr int kLong = 4;
constexpr int kFloat = 5;
constexpr int kCounter = 6;
constexpr int kCharStar = 7;
constexpr int kDouble = 8;
constexpr int kDouble32 = 9;
constexpr int kUChar = 11;
constexpr int kUShort = 12;
constexpr int kUInt = 13;
constexpr int kULong = 14;
constexpr int kBits = 15;
constexpr int kLong64 = 16;
constexpr int kULong64 = 17;
constexpr int kBool = 18;
constexpr int kFloat16 = 19;
} // namespace basictype

// Width in bytes of a basic type code as streamed, 0 for codes that are not fixed-width
// numbers.
constexpr int basicTypeWidth(int type) {
    using namespace basictype;
    switch (type) {
    case kChar:
    case kUChar:
    case kBool:
        return 1;
    case kShort:
    case kUShort:
        return 2;
    case kInt:
    case kFloat:
    case kCounter:
    case kUInt:
    case kBits:
        return 4;
    case kLong:
    case kDouble:
    case kULong:
    case kLong64:
    case kULong64:
        return 8;
    default:
        return 0;
    }
}

} // namespace rootio
