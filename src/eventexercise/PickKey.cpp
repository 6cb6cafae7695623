#include "PickKey.h"

#include <cmath>
#include <cstdint>

namespace {

// Truncation toward zero; values outside the int range (never real coordinates)
// are clamped instead of being undefined.
std::int32_t truncated(float v) {
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0f)
        return INT32_MAX;
    if (v <= -2147483648.0f)
        return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

} // namespace

int pickKey(float x0, float y0, float xLast, float yLast) {
    // Two's-complement arithmetic that wraps on overflow.
    const auto u = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
    const std::uint32_t k = 31u * u(truncated(y0)) + 961u * u(truncated(x0)) +
                            10571u * u(truncated(yLast)) + 10571u * u(truncated(xLast));
    return static_cast<std::int32_t>(k) % 10000000;
}

int pickKey(const std::array<float, 3>& first, const std::array<float, 3>& last) {
    return pickKey(first[0], first[1], last[0], last[1]);
}

int pickKey(const std::vector<std::array<float, 3>>& points) {
    return points.empty() ? 0 : pickKey(points.front(), points.back());
}
