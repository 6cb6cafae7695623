#pragma once

namespace analysis {

// The two edges of a range control, held in single precision as the control shows them.
struct CutRange {
    float min = 0.0f;
    float max = 0.0f;
};

} // namespace analysis
