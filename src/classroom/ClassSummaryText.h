#pragma once

#include "classroom/ClassSummary.h"

#include <set>
#include <string>

namespace classroom {

// The summary as plain English text: files used and not used (with reasons, paths relative to
// `root`), total entries, the fitted mass, the class lifetime per cut.
std::string summaryText(const ClassSummary& summary, const std::string& root);

// Combination numbers as a compact list: "1-3, 8, 15".
std::string combinationList(const std::set<int>& combinations);

// Short English name of a trend id (what is on the x axis).
std::string trendName(int trend);

} // namespace classroom
