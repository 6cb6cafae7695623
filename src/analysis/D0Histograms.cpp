#include "analysis/D0Histograms.h"

namespace analysis {

void D0Histograms::deleteAll() {
    fSigCacheForFit.reset();
    fBkgCacheForFit.reset();
    fMinvHisto.reset();
    fD0PTHisto_Sig.reset();
    fD0TAUHisto_Sig.reset();
    fD0IPHisto_Sig.reset();
    fD0PTHisto_Bkg.reset();
    fD0TAUHisto_Bkg.reset();
    fD0IPHisto_Bkg.reset();
}

} // namespace analysis
