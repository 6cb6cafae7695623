#pragma once

#include "analysis/CutRange.h"
#include "analysis/ExerciseRanges.h"

namespace analysis {

// The three cut controls as read when a button is pressed: transverse momentum in GeV/c,
// decay time in ps, log10 of the impact parameter in mm. Defaults are the full ranges.
struct CandidateCuts {
    CutRange pt = ExerciseRanges::transverseMomentum;
    CutRange tau = ExerciseRanges::decayTime;
    CutRange logIP = ExerciseRanges::logImpactParameter;

    bool operator==(const CandidateCuts& o) const {
        return pt.min == o.pt.min && pt.max == o.pt.max && tau.min == o.tau.min &&
               tau.max == o.tau.max && logIP.min == o.logIP.min && logIP.max == o.logIP.max;
    }
    bool operator!=(const CandidateCuts& o) const { return !(*this == o); }
};

} // namespace analysis
