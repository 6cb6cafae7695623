#pragma once

#include <cstdint>

namespace vexel {

// The basic linear congruential generator: x -> (1103515245 x + 12345) mod 2^31,
// a zero state skipped, values x / 2^31 in (0, 1). The same seed gives the same
// sequence on every machine.
class BasicRandom {
public:
    explicit BasicRandom(std::uint32_t seed = 65539) : state_(seed) {}

    void setSeed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t state() const { return state_; }
    // Next value, uniform in (0, 1).
    double next();

private:
    std::uint32_t state_;
};

} // namespace vexel
