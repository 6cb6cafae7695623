#pragma once

#include "analysis/Hist1D.h"

#include <memory>

namespace analysis {

// The histograms of the D0 exercise; each is absent until the step that makes it has run.
// After a subtraction the "Sig" histograms and decayTimeSignalForFit hold background-subtracted
// counts, the "Bkg" ones the raw sideband counts.
struct D0Histograms {
    std::unique_ptr<Hist1D> mass;
    std::unique_ptr<Hist1D> ptSignal, decayTimeSignal, logIPSignal;
    std::unique_ptr<Hist1D> ptBackground, decayTimeBackground, logIPBackground;
    std::unique_ptr<Hist1D> decayTimeSignalForFit, decayTimeBackgroundForFit;

    void deleteAll();
};

} // namespace analysis
