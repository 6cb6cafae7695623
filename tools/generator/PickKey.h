#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vexelgen {

// The key under which the event display finds a picked line's record: built from the first
// and last points' x and y (truncated to integers, 32-bit wrapping arithmetic, truncating
// remainder by 10 000 000).
std::int32_t pickKey(const std::vector<std::array<float, 3>>& points);

} // namespace vexelgen
