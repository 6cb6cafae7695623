#include "analysis/GaussianPlusLineModel.h"

#include <cmath>

namespace analysis {

double GaussianPlusLineModel::value(double x, const double* p) const {
    double gauss = 0.0;
    if (p[2] != 0.0) {
        const double u = (x - p[1]) / p[2];
        gauss = std::exp(-0.5 * u * u);
    }
    return p[0] * gauss + p[3] * x + p[4];
}

void GaussianPlusLineModel::gradient(double x, const double* p, double* g) const {
    if (p[2] != 0.0) {
        const double u = (x - p[1]) / p[2];
        const double gauss = std::exp(-0.5 * u * u);
        g[0] = gauss;
        g[1] = p[0] * gauss * u / p[2];
        g[2] = p[0] * gauss * u * u / p[2];
    } else {
        g[0] = g[1] = g[2] = 0.0;
    }
    g[3] = x;
    g[4] = 1.0;
}

double GaussianPlusLineModel::lineIntegral(double a, double b, double slope, double intercept) {
    return slope * (b * b - a * a) / 2.0 + intercept * (b - a);
}

double GaussianPlusLineModel::integral(double a, double b, const double* p) {
    double gauss = 0.0;
    const double sigma = std::fabs(p[2]);
    if (sigma != 0.0) {
        const double s = std::sqrt(2.0) * sigma;
        gauss = p[0] * sigma * std::sqrt(M_PI / 2.0) *
                (std::erf((b - p[1]) / s) - std::erf((a - p[1]) / s));
    }
    return gauss + lineIntegral(a, b, p[3], p[4]);
}

} // namespace analysis
