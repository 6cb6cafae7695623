#pragma once

#include "analysis/Chi2FitResult.h"
#include "analysis/FitModel.h"
#include "analysis/FitParameter.h"
#include "analysis/Hist1D.h"

#include <vector>

namespace analysis {

// Neyman chi-square fit of a model to a histogram: the bins whose centre lies in
// [xlow, xhigh], each with error sqrt(sum of squared weights), bins with zero error
// skipped, the model taken at the bin centre. Limits act through MINUIT's bounded
// transforms; the minimum is found with GSL's trust-region least squares on the internal
// parameters, and the errors come from the numerical second derivatives of the
// chi-square there, transformed back to the external parameters.
class Chi2Fitter {
public:
    struct Points {
        std::vector<double> x, y, error;
        std::size_t size() const { return x.size(); }
    };

    // The bins the fit uses.
    static Points selectPoints(const Hist1D& hist, double xlow, double xhigh);

    static Chi2FitResult fit(const Hist1D& hist, const FitModel& model,
                             const std::vector<FitParameter>& parameters, double xlow,
                             double xhigh);
    static Chi2FitResult fit(const Points& points, const FitModel& model,
                             const std::vector<FitParameter>& parameters);
    // The same, started also from other start values (one vector per start, same order as
    // the parameters); the valid result with the lowest chi-square is kept, the given
    // start's on ties. Guards against local minima a single descent can fall into.
    static Chi2FitResult fit(const Points& points, const FitModel& model,
                             const std::vector<FitParameter>& parameters,
                             const std::vector<std::vector<double>>& otherStarts);
};

} // namespace analysis
