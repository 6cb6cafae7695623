#pragma once

#include "analysis/CandidateColumns.h"

#include <cstdint>

namespace analysis_test {

// Made-up D0 candidates: a Gaussian mass peak (1864.8, sigma 7.5 MeV/c^2) with decay time
// tau 0.41 ps on a flat mass background with a longer decay time. Deterministic per seed.
struct SyntheticSetup {
    std::size_t signal = 20000;
    std::size_t background = 20000;
    double mean = 1864.8, sigma = 7.5;
    double massLow = 1815.0, massHigh = 1915.0; // background masses
    double signalTauPs = 0.41, backgroundTauPs = 0.9;
    std::uint64_t seed = 12345;
};

analysis::CandidateColumns makeCandidates(const SyntheticSetup& setup);

} // namespace analysis_test
