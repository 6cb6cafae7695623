#pragma once

#include "analysis/FitResults.h"

#include <map>
#include <optional>
#include <vector>

namespace analysis {

// The saved lifetime results per trend id and the sub-pads of the trend canvas
// (1 ... 4, handed out in the order trends are first plotted, then from 1 again).
class FitResultTrends {
public:
    enum class Check { NoPoints, Consistent, BothEdgesVarying };

    void save(int id, const FitResults::FitPoint& point);
    // Saved points of a trend (empty when none).
    const std::vector<FitResults::FitPoint>& points(int id) const;

    // Over consecutive saved points of `choice`: do the lower or the upper edges stay
    // within 2 epsilon of each other throughout?
    Check check(int choice) const;
    bool CheckTrend(int choice) const { return check(choice) == Check::Consistent; }

    // Forgets the points of one trend (its pad stays assigned).
    void clear(int id);

    // The trend canvas was made anew: pads are handed out from 1 again.
    void trendCanvasCreated();
    // Points and pad assignments forgotten, next pad 1.
    void reset();

    // The sub-pad of a trend, assigned now if it has none.
    unsigned padFor(int id);
    std::optional<unsigned> assignedPad(int id) const;
    unsigned nextPad() const { return fTrendPadNum; }

private:
    std::map<int, std::vector<FitResults::FitPoint>> fD0Trend_FitResults;
    std::map<int, unsigned> fTrendPadMap;
    unsigned fTrendPadNum = 0;
};

} // namespace analysis
