#include "PickKey.h"

namespace vexelgen {

std::int32_t pickKey(const std::vector<std::array<float, 3>>& points) {
    if (points.empty())
        return 0;
    const auto& first = points.front();
    const auto& last = points.back();
    const auto x0 = static_cast<std::uint32_t>(static_cast<std::int32_t>(first[0]));
    const auto y0 = static_cast<std::uint32_t>(static_cast<std::int32_t>(first[1]));
    const auto xl = static_cast<std::uint32_t>(static_cast<std::int32_t>(last[0]));
    const auto yl = static_cast<std::uint32_t>(static_cast<std::int32_t>(last[1]));
    const std::uint32_t k = 31u * y0 + 961u * x0 + 10571u * yl + 10571u * xl;
    return static_cast<std::int32_t>(k) % 10000000;
}

} // namespace vexelgen
