#include "analysis/SavedTrendPoints.h"

#include <cmath>
#include <limits>

namespace analysis {

void SavedTrendPoints::save(int id, const TrendPoint& point) {
    byTrend_[id].push_back(point);
}

const std::vector<TrendPoint>& SavedTrendPoints::points(int id) const {
    static const std::vector<TrendPoint> none;
    const auto it = byTrend_.find(id);
    return it == byTrend_.end() ? none : it->second;
}

SavedTrendPoints::Check SavedTrendPoints::check(int id) const {
    const auto& list = points(id);
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

void SavedTrendPoints::clear(int id) {
    const auto it = byTrend_.find(id);
    if (it != byTrend_.end())
        it->second.clear();
}

} // namespace analysis
