#pragma once

#include "analysis/FitParameter.h"

namespace analysis {

// The minimiser's view of a parameter with limits: it works on an unbounded internal
// value mapped onto the allowed range (sin for two limits, sqrt for one), as MINUIT does.
class ParameterTransform {
public:
    explicit ParameterTransform(const FitParameter& parameter);

    double toInternal(double external) const;
    double toExternal(double internal) const;
    // d external / d internal at an internal value.
    double derivative(double internal) const;
    // External error for an internal value and error, by MINUIT's rule: half the sum of
    // the external steps for internal +- error (the full range for two limits and an
    // internal error above 1).
    double externalError(double internal, double internalError) const;

private:
    enum class Kind { Free, Both, LowerOnly, UpperOnly };
    Kind kind_ = Kind::Free;
    double lower_ = 0.0;
    double upper_ = 0.0;
};

} // namespace analysis
