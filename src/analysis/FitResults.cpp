#include "analysis/FitResults.h"

namespace FitResults {

const char* const kTrendYTitle = "Fitted D^{0} lifetime (ps)";

double min(const FitPoint& p) {
    return p.cutMin;
}
double max(const FitPoint& p) {
    return p.cutMax;
}

std::optional<Trend> trendFor(int id) {
    switch (id) {
    case 1:
        return Trend(&FitResults::min, "D^{0} PT (GeV)", 2, 6);
    case 2:
        return Trend(&FitResults::max, "log_{10}( D^{0} IP [mm] )", -4, 2);
    case 3:
        return Trend(&FitResults::max, "D^{0} PT (GeV)", 2, 20);
    case 4:
        return Trend(&FitResults::min, "log_{10}( D^{0} IP [mm] )", -4, 2);
    default:
        return std::nullopt;
    }
}

std::optional<TrendCut> cutFor(int id) {
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

} // namespace FitResults
