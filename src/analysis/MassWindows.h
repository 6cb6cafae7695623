#pragma once

#include "analysis/CutRange.h"

namespace analysis {

// The two mass ranges in MeV/c^2: the signal window and the background range.
struct MassWindows {
    CutRange signal{1815.0f, 1915.0f};
    CutRange background{1815.0f, 1915.0f};
};

} // namespace analysis
