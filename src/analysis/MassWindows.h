#pragma once

#include "analysis/CutRange.h"
#include "analysis/ExerciseRanges.h"

namespace analysis {

// The two mass ranges in MeV/c^2: the signal window and the background range.
struct MassWindows {
    CutRange signal = ExerciseRanges::candidateMass;
    CutRange background = ExerciseRanges::candidateMass;
};

} // namespace analysis
