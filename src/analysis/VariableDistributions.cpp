#include "analysis/VariableDistributions.h"

#include "analysis/ExerciseRanges.h"
#include "analysis/UnitFillCounter.h"

namespace analysis {

namespace {

const char* const kFraction = "D^{0} Candidate Fraction";
const char* const kPTTitle = "D^{0} P_{T} (GeV/c^{2})";
const char* const kTAUTitle = "D^{0} decay time (ps)";
const char* const kIPTitle = "log_{10}(D^{0} IP)";

void makeOrReset(std::unique_ptr<Hist1D>& h, const char* name, int nbins, CutRange range,
                 const char* xTitle) {
    if (h) {
        h->reset();
        return;
    }
    h = std::make_unique<Hist1D>(name, name, nbins, range.min, range.max);
    h->setAxisTitles(xTitle, kFraction);
}

} // namespace

void VariableDistributions::fill(D0Histograms& h, const CandidateColumns& candidates,
                                 const std::vector<std::uint32_t>& selected,
                                 const MassWindows& windows, CutRange tauRange, double r) {
    const double bkgMin = windows.background.min, bkgMax = windows.background.max;
    const double sigMin = windows.signal.min, sigMax = windows.signal.max;

    h.fSigCacheForFit = std::make_unique<Hist1D>("D0TAU Sig For Fit", "D0TAU Sig For Fit", 100,
                                                 tauRange.min, tauRange.max);
    h.fSigCacheForFit->setAxisTitles(kTAUTitle, kFraction);
    h.fBkgCacheForFit = std::make_unique<Hist1D>("D0TAU Bkg For Fit", "D0TAU Bkg For Fit", 100,
                                                 tauRange.min, tauRange.max);
    h.fBkgCacheForFit->setAxisTitles(kTAUTitle, kFraction);

    makeOrReset(h.fD0PTHisto_Sig, "D0PT Sig", 175, ExerciseRanges::transverseMomentum, kPTTitle);
    makeOrReset(h.fD0TAUHisto_Sig, "D0TAU Sig", 1000, ExerciseRanges::decayTime, kTAUTitle);
    makeOrReset(h.fD0IPHisto_Sig, "D0IP Sig", 110, ExerciseRanges::logImpactParameter, kIPTitle);
    makeOrReset(h.fD0PTHisto_Bkg, "D0PT Bkg", 175, ExerciseRanges::transverseMomentum, kPTTitle);
    makeOrReset(h.fD0TAUHisto_Bkg, "D0TAU Bkg", 1000, ExerciseRanges::decayTime, kTAUTitle);
    makeOrReset(h.fD0IPHisto_Bkg, "D0IP Bkg", 110, ExerciseRanges::logImpactParameter, kIPTitle);

    const double* mass = candidates.mass().data();
    const double* pt = candidates.ptGeV().data();
    const double* tau = candidates.tauPs().data();
    const double* ip = candidates.log10IP().data();
    UnitFillCounter sigPt(*h.fD0PTHisto_Sig), sigTau(*h.fD0TAUHisto_Sig),
        sigFit(*h.fSigCacheForFit), sigIP(*h.fD0IPHisto_Sig);
    UnitFillCounter bkgPt(*h.fD0PTHisto_Bkg), bkgTau(*h.fD0TAUHisto_Bkg),
        bkgFit(*h.fBkgCacheForFit), bkgIP(*h.fD0IPHisto_Bkg);
    for (const std::uint32_t i : selected) {
        const double m = mass[i];
        if (!(m < sigMin) && !(m > sigMax)) {
            sigPt.add(pt[i]);
            sigTau.add(tau[i]);
            sigFit.add(tau[i]);
            sigIP.add(ip[i]);
        } else if (!(m < bkgMin) && !(m > bkgMax)) {
            bkgPt.add(pt[i]);
            bkgTau.add(tau[i]);
            bkgFit.add(tau[i]);
            bkgIP.add(ip[i]);
        }
    }
    sigPt.addTo(*h.fD0PTHisto_Sig);
    sigTau.addTo(*h.fD0TAUHisto_Sig);
    sigFit.addTo(*h.fSigCacheForFit);
    sigIP.addTo(*h.fD0IPHisto_Sig);
    bkgPt.addTo(*h.fD0PTHisto_Bkg);
    bkgTau.addTo(*h.fD0TAUHisto_Bkg);
    bkgFit.addTo(*h.fBkgCacheForFit);
    bkgIP.addTo(*h.fD0IPHisto_Bkg);

    h.fD0PTHisto_Sig->add(*h.fD0PTHisto_Bkg, -r);
    h.fD0TAUHisto_Sig->add(*h.fD0TAUHisto_Bkg, -r);
    h.fD0IPHisto_Sig->add(*h.fD0IPHisto_Bkg, -r);
    h.fSigCacheForFit->add(*h.fBkgCacheForFit, -r);
}

} // namespace analysis
