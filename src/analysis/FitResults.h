#pragma once

#include <optional>
#include <string>
#include <utility>

namespace FitResults {

// One saved lifetime result with the edges of the studied cut at save time.
struct FitPoint {
    FitPoint(double cutMin, double cutMax, double value, double error)
        : cutMin(cutMin), cutMax(cutMax), value(value), error(error) {}
    double cutMin;
    double cutMax;
    double value; // lifetime, ps
    double error; // ps
};

double min(const FitPoint& p);
double max(const FitPoint& p);

// The x axis of a trend plot: which edge of the cut is plotted, axis title and limits.
struct Trend {
    Trend(double (*getter)(const FitPoint&), std::string title, double axisMin, double axisMax)
        : title(std::move(title)), axisMin(axisMin), axisMax(axisMax), getter(getter) {}
    double operator()(const FitPoint& p) const { return getter(p); }

    std::string title;
    double axisMin;
    double axisMax;
    double (*getter)(const FitPoint&);
};

// Which cut a trend id studies.
enum class TrendCut { TransverseMomentum, ImpactParameter };

// Trend ids: 1 lower PT cut, 2 upper IP cut, 3 upper PT cut, 4 lower IP cut.
std::optional<Trend> trendFor(int id);
std::optional<TrendCut> cutFor(int id);

// Y axis of every trend plot.
constexpr double kTrendYMin = 0.35;
constexpr double kTrendYMax = 0.55;
extern const char* const kTrendYTitle;

} // namespace FitResults
