#pragma once

#include "classroom/ClassSummary.h"

#include <string>

namespace classroom {

// The summary as plain English text: files used and not used (with reasons, paths relative to
// `root`), total entries, the fitted mass, the class lifetime per cut.
std::string summaryText(const ClassSummary& summary, const std::string& root);

// Short English name of a trend id (what is on the x axis).
std::string trendName(int trend);

} // namespace classroom
