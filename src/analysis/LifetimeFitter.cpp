#include "analysis/LifetimeFitter.h"

#include "analysis/ExponentialModel.h"

#include <cmath>

namespace analysis {

double LifetimeFitResult::value(double t) const {
    return fit.parameters.size() == 2 ? std::exp(fit.parameters[0] + fit.parameters[1] * t) : 0.0;
}

std::optional<std::pair<double, double>>
LifetimeFitter::initialEstimate(const Chi2Fitter::Points& pts) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (!(pts.y[i] > 0.0))
            continue;
        const double x = pts.x[i], y = std::log(pts.y[i]);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    if (n == 0)
        return std::nullopt;
    const double det = n * sxx - sx * sx;
    if (n == 1 || det == 0.0)
        return std::make_pair(sy / n, 0.0);
    const double slope = (n * sxy - sx * sy) / det;
    return std::make_pair((sy - slope * sx) / n, slope);
}

LifetimeFitResult LifetimeFitter::fit(const Hist1D& decayTime, CutRange range) {
    LifetimeFitResult out;
    out.rangeLow = range.min;
    out.rangeHigh = range.max;
    const Chi2Fitter::Points pts = Chi2Fitter::selectPoints(decayTime, out.rangeLow, out.rangeHigh);
    const auto start = initialEstimate(pts);
    if (!start) {
        out.fit.message = "No bin with positive content in the decay-time range: nothing to fit.";
        out.fit.noData = true;
        return out;
    }
    out.startConstant = start->first;
    out.startSlope = start->second;
    const std::vector<FitParameter> pars{{"constant", start->first, std::nullopt, std::nullopt},
                                         {"slope", start->second, std::nullopt, std::nullopt}};
    out.fit = Chi2Fitter::fit(pts, ExponentialModel(), pars);
    if (!out.fit.valid)
        return out;
    const double slope = out.fit.parameters[1];
    out.tau = -1.0 / slope;
    out.tauError = out.fit.errors[1] / (slope * slope);
    return out;
}

} // namespace analysis
