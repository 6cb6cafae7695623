#include "analysis/CandidateColumns.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace analysis {

CandidateColumns::CandidateColumns(std::vector<double> D0_MM, std::vector<double> D0_PT,
                                   std::vector<double> D0_TAU, std::vector<double> D0_MINIP)
    : mass_(std::move(D0_MM)), pt_(std::move(D0_PT)), tau_(std::move(D0_TAU)),
      minIP_(std::move(D0_MINIP)) {
    const std::size_t n = mass_.size();
    if (pt_.size() != n || tau_.size() != n || minIP_.size() != n)
        throw std::invalid_argument("candidate columns of different lengths");
    ptGeV_.resize(n);
    tauPs_.resize(n);
    log10IP_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        ptGeV_[i] = pt_[i] / 1000.0;
        tauPs_[i] = tau_[i] * 1000.0;
        log10IP_[i] = std::log10(minIP_[i]);
    }
}

} // namespace analysis
