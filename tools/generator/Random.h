#pragma once

#include <cstdint>
#include <random>

namespace vexelgen {

// Reproducible random numbers: the engine is std::mt19937_64, whose sequence is fixed by the
// standard; the distributions are computed here so that every standard library gives the
// same values.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // Uniform in (0, 1): never exactly 0 or 1.
    double uniform();
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Standard normal (Box-Muller, both values of a pair used in turn).
    double gaussian();
    double gaussian(double mean, double sigma) { return mean + sigma * gaussian(); }
    // Exponential with the given mean.
    double exponential(double mean);
    // Integer uniform in [lo, hi].
    int integer(int lo, int hi);
    // Gamma distribution with integer shape k (sum of k exponentials) and scale theta.
    double gammaInteger(int k, double theta);

private:
    std::mt19937_64 engine_;
    bool hasSpare_ = false;
    double spare_ = 0;
};

// Seed of one independent stream, derived from a base seed and a stream number.
std::uint64_t streamSeed(std::uint64_t baseSeed, std::uint64_t stream);

} // namespace vexelgen
