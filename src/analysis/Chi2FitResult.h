#pragma once

#include <string>
#include <vector>

namespace analysis {

// Result of a chi-square fit. When `valid` is false, `message` says why and the numbers
// are not to be used.
struct Chi2FitResult {
    bool valid = false;
    // Not valid because no (or too few) bins in the range could be used.
    bool noData = false;
    // The second-derivative matrix was not positive definite (for example with a parameter on
    // a limit) and was made so: the errors are approximate; `message` says so.
    bool covarianceForced = false;
    std::string message;
    std::vector<double> parameters;
    std::vector<double> errors;
    // External covariance matrix, row major, parameters x parameters.
    std::vector<double> covariance;
    double chi2 = 0.0;
    int ndf = 0;
    int points = 0;

    double covarianceAt(int i, int j) const {
        return covariance[static_cast<std::size_t>(i) * parameters.size() + j];
    }
};

} // namespace analysis
