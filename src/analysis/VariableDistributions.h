#pragma once

#include "analysis/CandidateColumns.h"
#include "analysis/CutRange.h"
#include "analysis/D0Histograms.h"
#include "analysis/MassWindows.h"

#include <cstdint>
#include <vector>

namespace analysis {

// Fills the signal-window and sideband distributions of transverse momentum, decay time
// and log10 impact parameter, and subtracts the sidebands scaled by r from the signal.
class VariableDistributions {
public:
    // Makes the six display histograms (over the cut controls' full ranges, or resets them) and the
    // two fit histograms anew over `tauRange` (100 bins), fills them with the selected candidates
    // and subtracts. A candidate counts as signal when signal min <= mass <= signal max, as
    // background when it lies inside the background range but outside the signal window.
    static void fill(D0Histograms& h, const CandidateColumns& candidates,
                     const std::vector<std::uint32_t>& selected, const MassWindows& windows,
                     CutRange tauRange, double r);
};

} // namespace analysis
