#include "Random.h"

#include <cmath>

namespace vexelgen {

double Random::uniform() {
    // 53 random bits, shifted by half a step so that 0 and 1 never occur.
    const std::uint64_t bits = engine_() >> 11;
    return (static_cast<double>(bits) + 0.5) * (1.0 / 9007199254740992.0);
}

double Random::gaussian() {
    if (hasSpare_) {
        hasSpare_ = false;
        return spare_;
    }
    const double u1 = uniform();
    const double u2 = uniform();
    const double radius = std::sqrt(-2.0 * std::log(u1));
    const double angle = 2.0 * M_PI * u2;
    spare_ = radius * std::sin(angle);
    hasSpare_ = true;
    return radius * std::cos(angle);
}

double Random::exponential(double mean) {
    return -mean * std::log(uniform());
}

int Random::integer(int lo, int hi) {
    const double span = static_cast<double>(hi) - lo + 1.0;
    int value = lo + static_cast<int>(std::floor(uniform() * span));
    return value > hi ? hi : value;
}

double Random::gammaInteger(int k, double theta) {
    double product = 1.0;
    for (int i = 0; i < k; ++i)
        product *= uniform();
    return -theta * std::log(product);
}

std::uint64_t streamSeed(std::uint64_t baseSeed, std::uint64_t stream) {
    // splitmix64 of the pair: well separated seeds for neighbouring streams.
    std::uint64_t z = baseSeed + 0x9E3779B97F4A7C15ULL * (stream + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace vexelgen
