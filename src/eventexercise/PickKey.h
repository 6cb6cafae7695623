#pragma once

#include <array>
#include <vector>

// The key under which a track record is found again from its line: built from
// the x and y of the first and last points, truncated to integers; z plays no part.
// The event display and the data generator both use it, so that every generated
// record can be picked.
int pickKey(float x0, float y0, float xLast, float yLast);
int pickKey(const std::array<float, 3>& first, const std::array<float, 3>& last);
// The key of a point list; 0 for an empty one.
int pickKey(const std::vector<std::array<float, 3>>& points);
