#pragma once

#include <cstddef>
#include <vector>

namespace analysis {

// The four candidate variables of "DecayTree", one entry per D0 candidate, in file units
// (D0_MM MeV/c^2, D0_PT MeV/c, D0_TAU ns, D0_MINIP mm), with the derived columns the
// histograms are filled with, computed once.
class CandidateColumns {
public:
    CandidateColumns() = default;
    // All four columns must have the same length (std::invalid_argument otherwise).
    CandidateColumns(std::vector<double> D0_MM, std::vector<double> D0_PT,
                     std::vector<double> D0_TAU, std::vector<double> D0_MINIP);

    std::size_t size() const { return mass_.size(); }

    const std::vector<double>& mass() const { return mass_; }
    const std::vector<double>& pt() const { return pt_; }
    const std::vector<double>& tau() const { return tau_; }
    const std::vector<double>& minIP() const { return minIP_; }

    // D0_PT / 1000 (GeV/c), D0_TAU * 1000 (ps), log10(D0_MINIP).
    const std::vector<double>& ptGeV() const { return ptGeV_; }
    const std::vector<double>& tauPs() const { return tauPs_; }
    const std::vector<double>& log10IP() const { return log10IP_; }

private:
    std::vector<double> mass_, pt_, tau_, minIP_;
    std::vector<double> ptGeV_, tauPs_, log10IP_;
};

} // namespace analysis
