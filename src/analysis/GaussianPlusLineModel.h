#pragma once

#include "analysis/FitModel.h"

namespace analysis {

// p0 * exp(-0.5 ((x - p1) / p2)^2) + p3 * x + p4: an unnormalised Gaussian (peak value p0)
// on a straight line. A width of zero gives no Gaussian term.
class GaussianPlusLineModel : public FitModel {
public:
    int numberOfParameters() const override { return 5; }
    double value(double x, const double* p) const override;
    void gradient(double x, const double* p, double* gradient) const override;

    // Exact integral from a to b.
    static double integral(double a, double b, const double* p);
    // Integral of the line p3 * x + p4 alone.
    static double lineIntegral(double a, double b, double slope, double intercept);
};

} // namespace analysis
