#pragma once

#include <array>
#include <vector>

// The key under which a track record is found again from its line: built from
// the x and y of the first and last points, truncated to integers; z plays no part.
int pickKey(float x0, float y0, float xLast, float yLast);
int pickKey(const std::array<float, 3>& first, const std::array<float, 3>& last);
