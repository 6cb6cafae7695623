#include "analysis/FitResultTrends.h"

#include <cmath>
#include <limits>

namespace analysis {

void FitResultTrends::save(int id, const FitResults::FitPoint& point) {
    fD0Trend_FitResults[id].push_back(point);
}

const std::vector<FitResults::FitPoint>& FitResultTrends::points(int id) const {
    static const std::vector<FitResults::FitPoint> none;
    const auto it = fD0Trend_FitResults.find(id);
    return it == fD0Trend_FitResults.end() ? none : it->second;
}

FitResultTrends::Check FitResultTrends::check(int choice) const {
    const auto& list = points(choice);
    if (list.empty())
        return Check::NoPoints;
    const double tolerance = 2.0 * std::numeric_limits<double>::epsilon();
    double previousMin = list.front().cutMin;
    double previousMax = list.front().cutMax;
    bool minConstant = true, maxConstant = true;
    for (const auto& p : list) {
        if (!(std::fabs(previousMax - p.cutMax) < tolerance))
            maxConstant = false;
        if (!(std::fabs(previousMin - p.cutMin) < tolerance))
            minConstant = false;
        previousMin = p.cutMin;
        previousMax = p.cutMax;
    }
    return (minConstant || maxConstant) ? Check::Consistent : Check::BothEdgesVarying;
}

void FitResultTrends::clear(int id) {
    const auto it = fD0Trend_FitResults.find(id);
    if (it != fD0Trend_FitResults.end())
        it->second.clear();
}

void FitResultTrends::trendCanvasCreated() {
    fTrendPadMap.clear();
    fTrendPadNum = 1;
}

void FitResultTrends::reset() {
    fD0Trend_FitResults.clear();
    fTrendPadMap.clear();
    fTrendPadNum = 1;
}

unsigned FitResultTrends::padFor(int id) {
    const auto it = fTrendPadMap.find(id);
    if (it != fTrendPadMap.end())
        return it->second;
    if (fTrendPadNum < 1 || fTrendPadNum > 4)
        fTrendPadNum = 1;
    const unsigned pad = fTrendPadNum++;
    fTrendPadMap[id] = pad;
    return pad;
}

std::optional<unsigned> FitResultTrends::assignedPad(int id) const {
    const auto it = fTrendPadMap.find(id);
    if (it == fTrendPadMap.end())
        return std::nullopt;
    return it->second;
}

} // namespace analysis
