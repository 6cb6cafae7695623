#pragma once

#include "analysis/Chi2FitResult.h"
#include "analysis/Hist1D.h"
#include "analysis/MassWindows.h"

#include <array>

namespace analysis {

// Outcome of a mass fit: the Gaussian-plus-line parameters [0] ... [4] and the yields.
struct MassFitResult {
    Chi2FitResult fit;
    double rangeLow = 0.0, rangeHigh = 0.0; // the fit range
    // Candidates in the signal window: total (model integral), background (line integral),
    // each divided by the bin width and truncated toward zero, and their difference.
    long long total = 0;
    long long background = 0;
    long long signal = 0;
};

// The mass model "fitGaus", [0]*Gaus(x,[1],[2]) + [3]*x + [4], and its fits. [0] ... [2]
// start afresh on every fit, [3] and [4] start from the previous fit (0 before the first).
class MassFitter {
public:
    static constexpr int kParameters = 5;

    // Fits over the smaller minimum ... larger maximum of the two windows.
    MassFitResult fit(const Hist1D& massHistogram, const MassWindows& windows);

    // Current parameters of the model (those of the last successful fit).
    const std::array<double, kParameters>& parameters() const { return parameters_; }

    double modelValue(double x) const;
    // The background line "fitPoly": [3] * x + [4] of the model.
    double backgroundValue(double x) const;
    // Integral of the background line between two masses, in candidates per bin x MeV/c^2.
    double backgroundIntegral(double xmin, double xmax) const;

private:
    std::array<double, kParameters> parameters_{};
};

} // namespace analysis
