#pragma once

namespace analysis {

// A model function of x and its parameters, with the derivatives a least-squares fit needs.
class FitModel {
public:
    virtual ~FitModel() = default;
    virtual int numberOfParameters() const = 0;
    virtual double value(double x, const double* p) const = 0;
    // d value / d p[k] for every parameter.
    virtual void gradient(double x, const double* p, double* gradient) const = 0;
};

} // namespace analysis
