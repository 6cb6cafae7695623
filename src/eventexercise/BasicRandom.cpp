#include "BasicRandom.h"

namespace vexel {

double BasicRandom::next() {
    constexpr double scale = 4.6566128730774e-10; // 2^-31
    for (;;) {
        state_ = (1103515245u * state_ + 12345u) & 0x7fffffffu;
        if (state_ != 0)
            return scale * state_;
    }
}

} // namespace vexel
