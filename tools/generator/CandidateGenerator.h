#pragma once

#include "Random.h"
#include "analysis/ExerciseRanges.h"

#include <cstdint>
#include <vector>

namespace vexelgen {

// The D0 candidates of the lifetime exercise, in the units of "DecayTree": mass (MeV/c^2),
// transverse momentum (MeV/c), decay time (ns), impact parameter (mm).
struct CandidateSample {
    std::vector<double> D0_MM, D0_PT, D0_TAU, D0_MINIP;
    // What each candidate really is (not written to the file; used by checks).
    enum class Origin : std::uint8_t { PromptSignal, SecondarySignal, Background };
    std::vector<Origin> origin;
};

// Kinematic D0 -> K pi candidates: a Gaussian mass peak over a falling linear combinatorial
// background, prompt D0 mesons with the true lifetime, D0 mesons from B decays that look
// longer-lived and have larger impact parameters, and a displaced-vertex requirement whose
// efficiency rises between 0.05 and 0.12 ps.
class CandidateGenerator {
public:
    // The mass range of the exercise's histogram.
    static constexpr double kMassMin = analysis::ExerciseRanges::candidateMass.min;
    static constexpr double kMassMax = analysis::ExerciseRanges::candidateMass.max;
    static constexpr double kSignalMean = 1864.84, kSignalSigma = 7.5;
    static constexpr double kSignalFraction = 25000.0 / 45000.0;
    static constexpr double kSecondaryFraction = 0.08;
    static constexpr double kLifetime = 0.4101;                              // ps
    static constexpr double kBLifetime = 1.52;                               // ps
    static constexpr double kTimeResolution = 0.05;                          // ps
    static constexpr double kEfficiencyStart = 0.05, kEfficiencyFull = 0.12; // ps
    // Background mass density falls linearly to (1 - slope) of its value at kMassMin.
    static constexpr double kBackgroundSlope = 0.3;

    explicit CandidateGenerator(std::uint64_t seed) : rng_(seed) {}

    CandidateSample generate(int count);

    // Efficiency of the displaced-vertex requirement at a measured decay time (ps).
    static double efficiency(double tps);

private:
    double mass(bool signal);
    double decayTime(CandidateSample::Origin origin);
    double log10IP(CandidateSample::Origin origin);
    double transverseMomentum(bool signal);

    Random rng_;
};

} // namespace vexelgen
