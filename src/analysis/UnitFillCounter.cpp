#include "analysis/UnitFillCounter.h"

#include <numeric>
#include <stdexcept>

namespace analysis {

double UnitFillCounter::fills() const {
    return std::accumulate(counts_.begin(), counts_.end(), 0.0);
}

void UnitFillCounter::addTo(Hist1D& h) const {
    if (h.nbins() + 2 != static_cast<int>(counts_.size()) || h.xmin() != axis_.min() ||
        h.xmax() != axis_.max())
        throw std::invalid_argument("counts of another binning added to \"" + h.name() + "\"");
    h.addUnitWeightCounts(counts_.data(), fills());
}

} // namespace analysis
