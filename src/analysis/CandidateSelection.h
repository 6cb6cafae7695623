#pragma once

#include "analysis/CandidateColumns.h"
#include "analysis/CandidateCuts.h"

#include <cstdint>
#include <vector>

namespace analysis {

// The candidate selection: a candidate passes when none of its transverse momentum
// (against the cut x 1000), decay time (against the cut / 1000) and log10 impact parameter
// lies strictly below the lower or strictly above the upper edge; edges are inclusive.
class CandidateSelection {
public:
    static bool passes(const CandidateColumns& c, std::size_t i, const CandidateCuts& cuts);
    // Indices of the selected candidates, in file order.
    static std::vector<std::uint32_t> select(const CandidateColumns& c, const CandidateCuts& cuts);
};

} // namespace analysis
