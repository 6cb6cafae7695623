#pragma once

// The data sets a student can choose: combination 1 ... kCombinations, each with its own
// event file.
constexpr int kCombinations = 175;
