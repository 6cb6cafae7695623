#pragma once

#include "analysis/Hist1D.h"

#include <memory>

namespace analysis {

// The histograms of the D0 exercise; each is absent until the step that makes it has run.
// After a subtraction the "Sig" histograms and fSigCacheForFit hold background-subtracted
// counts, the "Bkg" ones the raw sideband counts.
struct D0Histograms {
    std::unique_ptr<Hist1D> fMinvHisto;
    std::unique_ptr<Hist1D> fD0PTHisto_Sig, fD0TAUHisto_Sig, fD0IPHisto_Sig;
    std::unique_ptr<Hist1D> fD0PTHisto_Bkg, fD0TAUHisto_Bkg, fD0IPHisto_Bkg;
    std::unique_ptr<Hist1D> fSigCacheForFit, fBkgCacheForFit;

    void deleteAll();
};

} // namespace analysis
