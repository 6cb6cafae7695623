#pragma once

#include "analysis/TrendPoint.h"

#include <optional>
#include <string>
#include <utility>

namespace analysis {

// The x axis of a trend plot: which edge of the cut is plotted, axis title and limits.
struct TrendAxis {
    TrendAxis(double (*edge)(const TrendPoint&), std::string title, double axisMin, double axisMax)
        : title(std::move(title)), axisMin(axisMin), axisMax(axisMax), edge(edge) {}
    double operator()(const TrendPoint& p) const { return edge(p); }

    std::string title;
    double axisMin;
    double axisMax;
    double (*edge)(const TrendPoint&);
};

// Which cut a trend id studies.
enum class TrendCut { TransverseMomentum, ImpactParameter };

// Trend ids: 1 lower PT cut, 2 upper IP cut, 3 upper PT cut, 4 lower IP cut.
std::optional<TrendAxis> trendAxisFor(int id);
std::optional<TrendCut> trendCutFor(int id);

// Y axis of every trend plot.
constexpr double kTrendYMin = 0.35;
constexpr double kTrendYMax = 0.55;
extern const char* const kTrendYTitle;

} // namespace analysis
