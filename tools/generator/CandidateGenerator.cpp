#include "CandidateGenerator.h"

#include <cmath>

namespace vexelgen {

double CandidateGenerator::efficiency(double t) {
    if (t <= kEfficiencyStart)
        return 0.0;
    if (t >= kEfficiencyFull)
        return 1.0;
    const double x = (t - kEfficiencyStart) / (kEfficiencyFull - kEfficiencyStart);
    return x * x * (3 - 2 * x);
}

double CandidateGenerator::mass(bool signal) {
    if (signal) {
        double m;
        do {
            m = rng_.gaussian(kSignalMean, kSignalSigma);
        } while (m < kMassMin || m > kMassMax);
        return m;
    }
    // Inverse of the cumulative distribution of a density proportional to 1 - slope * x.
    const double a = kBackgroundSlope, f = rng_.uniform();
    const double x = (1 - std::sqrt(1 - 2 * a * f * (1 - a / 2))) / a;
    return kMassMin + (kMassMax - kMassMin) * x;
}

double CandidateGenerator::decayTime(CandidateSample::Origin origin) {
    // Drawn again until the displaced-vertex requirement keeps it.
    while (true) {
        double t;
        switch (origin) {
        case CandidateSample::Origin::PromptSignal:
            t = rng_.exponential(kLifetime);
            break;
        case CandidateSample::Origin::SecondarySignal:
            // Measured from the primary vertex: part of the B flight adds to the D0 time.
            t = rng_.exponential(kLifetime) + rng_.uniform(0.1, 0.5) * rng_.exponential(kBLifetime);
            break;
        default:
            t = rng_.uniform() < 0.7 ? rng_.exponential(0.25) : rng_.exponential(1.2);
            break;
        }
        t += rng_.gaussian(0, kTimeResolution);
        if (rng_.uniform() < efficiency(t))
            return t;
    }
}

double CandidateGenerator::log10IP(CandidateSample::Origin origin) {
    double mean = -1.3, width = 0.7;
    if (origin == CandidateSample::Origin::PromptSignal) {
        mean = -2.0;
        width = 0.35;
    } else if (origin == CandidateSample::Origin::SecondarySignal) {
        mean = -0.9;
        width = 0.4;
    }
    double x;
    do {
        x = rng_.gaussian(mean, width);
    } while (x < analysis::ExerciseRanges::logImpactParameter.min ||
             x > analysis::ExerciseRanges::logImpactParameter.max);
    return x;
}

double CandidateGenerator::transverseMomentum(bool signal) {
    return signal ? 1500 + rng_.gammaInteger(2, 1800) : 1000 + rng_.gammaInteger(2, 1300);
}

CandidateSample CandidateGenerator::generate(int count) {
    CandidateSample s;
    s.D0_MM.reserve(count);
    s.D0_PT.reserve(count);
    s.D0_TAU.reserve(count);
    s.D0_MINIP.reserve(count);
    s.origin.reserve(count);
    for (int i = 0; i < count; ++i) {
        using Origin = CandidateSample::Origin;
        const bool signal = rng_.uniform() < kSignalFraction;
        const Origin origin = !signal                               ? Origin::Background
                              : rng_.uniform() < kSecondaryFraction ? Origin::SecondarySignal
                                                                    : Origin::PromptSignal;
        s.D0_MM.push_back(mass(signal));
        s.D0_PT.push_back(transverseMomentum(signal));
        s.D0_TAU.push_back(decayTime(origin) / 1000.0);
        s.D0_MINIP.push_back(std::pow(10.0, log10IP(origin)));
        s.origin.push_back(origin);
    }
    return s;
}

} // namespace vexelgen
