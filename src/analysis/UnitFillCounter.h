#pragma once

#include "analysis/BinningAxis.h"
#include "analysis/Hist1D.h"

#include <cstddef>
#include <vector>

namespace analysis {

// Counts unit-weight fills per bin of a histogram's binning and adds them to the
// histogram at once: the fast way to fill many values of weight 1.
class UnitFillCounter {
public:
    explicit UnitFillCounter(const Hist1D& binning)
        : axis_(binning.nbins(), binning.xmin(), binning.xmax()),
          counts_(static_cast<std::size_t>(binning.nbins()) + 2, 0.0) {}

    void add(double x) { counts_[static_cast<std::size_t>(axis_.index(x) + 1)] += 1.0; }
    // Number of values added.
    double fills() const;

    // Adds the counts as contents and squared weights (1 per fill) and the fills as entries.
    void addTo(Hist1D& h) const;

private:
    BinningAxis axis_;
    std::vector<double> counts_;
};

} // namespace analysis
