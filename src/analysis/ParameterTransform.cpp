#include "analysis/ParameterTransform.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace analysis {

namespace {
constexpr double kHalfPi = 1.5707963267948966;
// Internal values kept this far inside +-pi/2 when the start lies on or beyond a limit.
const double kEdgeDistance = 8.0 * std::sqrt(std::numeric_limits<double>::epsilon());
} // namespace

ParameterTransform::ParameterTransform(const FitParameter& parameter) {
    if (parameter.lower && parameter.upper) {
        if (!(*parameter.upper > *parameter.lower))
            throw std::invalid_argument("parameter \"" + parameter.name +
                                        "\": upper limit not above lower limit");
        kind_ = Kind::Both;
        lower_ = *parameter.lower;
        upper_ = *parameter.upper;
    } else if (parameter.lower) {
        kind_ = Kind::LowerOnly;
        lower_ = *parameter.lower;
    } else if (parameter.upper) {
        kind_ = Kind::UpperOnly;
        upper_ = *parameter.upper;
    }
}

double ParameterTransform::toInternal(double external) const {
    switch (kind_) {
    case Kind::Free:
        return external;
    case Kind::Both: {
        const double y = 2.0 * (external - lower_) / (upper_ - lower_) - 1.0;
        if (y <= -1.0)
            return -kHalfPi + kEdgeDistance;
        if (y >= 1.0)
            return kHalfPi - kEdgeDistance;
        return std::asin(y);
    }
    case Kind::LowerOnly: {
        const double t = external - lower_ + 1.0;
        return t <= 1.0 ? 0.0 : std::sqrt(t * t - 1.0);
    }
    case Kind::UpperOnly: {
        const double t = upper_ - external + 1.0;
        return t <= 1.0 ? 0.0 : std::sqrt(t * t - 1.0);
    }
    }
    return external;
}

double ParameterTransform::toExternal(double internal) const {
    switch (kind_) {
    case Kind::Free:
        return internal;
    case Kind::Both:
        return lower_ + 0.5 * (upper_ - lower_) * (std::sin(internal) + 1.0);
    case Kind::LowerOnly:
        return lower_ - 1.0 + std::sqrt(internal * internal + 1.0);
    case Kind::UpperOnly:
        return upper_ + 1.0 - std::sqrt(internal * internal + 1.0);
    }
    return internal;
}

double ParameterTransform::derivative(double internal) const {
    switch (kind_) {
    case Kind::Free:
        return 1.0;
    case Kind::Both:
        return 0.5 * (upper_ - lower_) * std::cos(internal);
    case Kind::LowerOnly:
        return internal / std::sqrt(internal * internal + 1.0);
    case Kind::UpperOnly:
        return -internal / std::sqrt(internal * internal + 1.0);
    }
    return 1.0;
}

double ParameterTransform::externalError(double internal, double internalError) const {
    if (kind_ == Kind::Free)
        return internalError;
    const double centre = toExternal(internal);
    double up = toExternal(internal + internalError) - centre;
    const double down = toExternal(internal - internalError) - centre;
    if (kind_ == Kind::Both && internalError > 1.0)
        up = upper_ - lower_;
    return 0.5 * (std::fabs(up) + std::fabs(down));
}

} // namespace analysis
