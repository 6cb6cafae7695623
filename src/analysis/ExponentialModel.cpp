#include "analysis/ExponentialModel.h"

#include <cmath>

namespace analysis {

double ExponentialModel::value(double x, const double* p) const {
    return std::exp(p[0] + p[1] * x);
}

void ExponentialModel::gradient(double x, const double* p, double* g) const {
    const double v = std::exp(p[0] + p[1] * x);
    g[0] = v;
    g[1] = v * x;
}

} // namespace analysis
