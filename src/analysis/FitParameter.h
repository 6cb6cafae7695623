#pragma once

#include <optional>
#include <string>

namespace analysis {

// One parameter of a fit: start value and optional limits.
struct FitParameter {
    std::string name;
    double start = 0.0;
    std::optional<double> lower;
    std::optional<double> upper;

    bool bounded() const { return lower.has_value() || upper.has_value(); }
};

} // namespace analysis
