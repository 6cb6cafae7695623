#pragma once

#include "analysis/TrendPoint.h"

#include <map>
#include <vector>

namespace analysis {

// The saved lifetime results per trend id, each list in saving order.
class SavedTrendPoints {
public:
    enum class Check { NoPoints, Consistent, BothEdgesVarying };

    void save(int id, const TrendPoint& point);
    // Saved points of a trend (empty when none).
    const std::vector<TrendPoint>& points(int id) const;
    // Every trend's points, by id.
    const std::map<int, std::vector<TrendPoint>>& all() const { return byTrend_; }

    // Over consecutive saved points of a trend: do the lower or the upper edges stay
    // within 2 epsilon of each other throughout?
    Check check(int id) const;

    // Forgets the points of one trend.
    void clear(int id);
    // Forgets every point.
    void reset() { byTrend_.clear(); }

private:
    std::map<int, std::vector<TrendPoint>> byTrend_;
};

} // namespace analysis
