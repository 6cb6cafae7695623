#include "analysis/TrendAxis.h"

namespace analysis {

const char* const kTrendYTitle = "Fitted D^{0} lifetime (ps)";

std::optional<TrendAxis> trendAxisFor(int id) {
    switch (id) {
    case 1:
        return TrendAxis(&lowerEdge, "D^{0} PT (GeV)", 2, 6);
    case 2:
        return TrendAxis(&upperEdge, "log_{10}( D^{0} IP [mm] )", -4, 2);
    case 3:
        return TrendAxis(&upperEdge, "D^{0} PT (GeV)", 2, 20);
    case 4:
        return TrendAxis(&lowerEdge, "log_{10}( D^{0} IP [mm] )", -4, 2);
    default:
        return std::nullopt;
    }
}

std::optional<TrendCut> trendCutFor(int id) {
    switch (id) {
    case 1:
    case 3:
        return TrendCut::TransverseMomentum;
    case 2:
    case 4:
        return TrendCut::ImpactParameter;
    default:
        return std::nullopt;
    }
}

} // namespace analysis
