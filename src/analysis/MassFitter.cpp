#include "analysis/MassFitter.h"

#include "analysis/Chi2Fitter.h"
#include "analysis/GaussianPlusLineModel.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {
long long truncated(double v) {
    if (!std::isfinite(v))
        return 0;
    return static_cast<long long>(std::trunc(v));
}
} // namespace

MassFitResult MassFitter::fit(const Hist1D& massHistogram, const MassWindows& windows) {
    MassFitResult out;
    const float smin = windows.signal.min, smax = windows.signal.max;
    out.rangeLow = std::min(smin, windows.background.min);
    out.rangeHigh = std::max(smax, windows.background.max);
    if (!(smax > smin)) {
        out.fit.message =
            "The signal window is empty: its upper edge must lie above its lower edge.";
        return out;
    }

    std::vector<FitParameter> pars(kParameters);
    pars[0] = {"height", 80.0, 0.0, 1e9};
    pars[1] = {"mean", static_cast<double>(smin + smax) * 0.5, static_cast<double>(smin),
               static_cast<double>(smax)};
    pars[2] = {"sigma", 1.0, 0.0, static_cast<double>(smax - smin) / 2.0};
    pars[3] = {"slope", parameters_[3], std::nullopt, std::nullopt};
    pars[4] = {"intercept", parameters_[4], std::nullopt, std::nullopt};

    // Wider starting widths as well: from a narrow start the descent can shrink the Gaussian
    // onto a single bin, a local minimum far above the peak's.
    const double halfWindow = static_cast<double>(smax - smin) / 2.0;
    std::vector<std::vector<double>> otherStarts;
    for (double width : {halfWindow / 5.0, halfWindow / 2.5})
        otherStarts.push_back({pars[0].start, pars[1].start, width, pars[3].start, pars[4].start});
    GaussianPlusLineModel model;
    out.fit = Chi2Fitter::fit(Chi2Fitter::selectPoints(massHistogram, out.rangeLow, out.rangeHigh),
                              model, pars, otherStarts);
    if (!out.fit.valid)
        return out;
    std::copy(out.fit.parameters.begin(), out.fit.parameters.end(), parameters_.begin());

    const double w = massHistogram.binWidth();
    out.total = truncated(GaussianPlusLineModel::integral(smin, smax, parameters_.data()) / w);
    out.background = truncated(backgroundIntegral(smin, smax) / w);
    out.signal = out.total - out.background;
    return out;
}

double MassFitter::modelValue(double x) const {
    return GaussianPlusLineModel().value(x, parameters_.data());
}

double MassFitter::backgroundValue(double x) const {
    return parameters_[3] * x + parameters_[4];
}

double MassFitter::backgroundIntegral(double xmin, double xmax) const {
    return GaussianPlusLineModel::lineIntegral(xmin, xmax, parameters_[3], parameters_[4]);
}

} // namespace analysis
