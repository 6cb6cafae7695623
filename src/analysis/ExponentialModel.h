#pragma once

#include "analysis/FitModel.h"

namespace analysis {

// exp(p0 + p1 * x).
class ExponentialModel : public FitModel {
public:
    int numberOfParameters() const override { return 2; }
    double value(double x, const double* p) const override;
    void gradient(double x, const double* p, double* gradient) const override;
};

} // namespace analysis
