#pragma once

#include "analysis/Chi2FitResult.h"
#include "analysis/Chi2Fitter.h"
#include "analysis/CutRange.h"
#include "analysis/Hist1D.h"

#include <optional>
#include <utility>

namespace analysis {

// Outcome of a lifetime fit of exp([0] + [1] t), t in ps.
struct LifetimeFitResult {
    Chi2FitResult fit;
    double rangeLow = 0.0, rangeHigh = 0.0;
    double startConstant = 0.0, startSlope = 0.0; // the initial estimate
    double tau = 0.0;                             // -1 / [1], ps
    double tauError = 0.0;                        // error of [1] / [1]^2, ps

    // The fitted curve exp([0] + [1] t).
    double value(double t) const;
};

// The decay model "fitExpo" and its fit over the decay-time control's range.
class LifetimeFitter {
public:
    // Initial estimate: unweighted least-squares line through ln(content) of the bins with
    // positive content; (constant, slope). A single such bin gives slope 0; none, nothing.
    static std::optional<std::pair<double, double>> initialEstimate(const Chi2Fitter::Points& pts);

    static LifetimeFitResult fit(const Hist1D& decayTime, CutRange range);
};

} // namespace analysis
