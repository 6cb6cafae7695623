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

    h.decayTimeSignalForFit = std::make_unique<Hist1D>("D0TAU Sig For Fit", "D0TAU Sig For Fit",
                                                       100, tauRange.min, tauRange.max);
    h.decayTimeSignalForFit->setAxisTitles(kTAUTitle, kFraction);
    h.decayTimeBackgroundForFit = std::make_unique<Hist1D>("D0TAU Bkg For Fit", "D0TAU Bkg For Fit",
                                                           100, tauRange.min, tauRange.max);
    h.decayTimeBackgroundForFit->setAxisTitles(kTAUTitle, kFraction);

    makeOrReset(h.ptSignal, "D0PT Sig", 175, ExerciseRanges::transverseMomentum, kPTTitle);
    makeOrReset(h.decayTimeSignal, "D0TAU Sig", 1000, ExerciseRanges::decayTime, kTAUTitle);
    makeOrReset(h.logIPSignal, "D0IP Sig", 110, ExerciseRanges::logImpactParameter, kIPTitle);
    makeOrReset(h.ptBackground, "D0PT Bkg", 175, ExerciseRanges::transverseMomentum, kPTTitle);
    makeOrReset(h.decayTimeBackground, "D0TAU Bkg", 1000, ExerciseRanges::decayTime, kTAUTitle);
    makeOrReset(h.logIPBackground, "D0IP Bkg", 110, ExerciseRanges::logImpactParameter, kIPTitle);

    const double* mass = candidates.mass().data();
    const double* pt = candidates.ptGeV().data();
    const double* tau = candidates.tauPs().data();
    const double* ip = candidates.log10IP().data();
    UnitFillCounter sigPt(*h.ptSignal), sigTau(*h.decayTimeSignal),
        sigFit(*h.decayTimeSignalForFit), sigIP(*h.logIPSignal);
    UnitFillCounter bkgPt(*h.ptBackground), bkgTau(*h.decayTimeBackground),
        bkgFit(*h.decayTimeBackgroundForFit), bkgIP(*h.logIPBackground);
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
    sigPt.addTo(*h.ptSignal);
    sigTau.addTo(*h.decayTimeSignal);
    sigFit.addTo(*h.decayTimeSignalForFit);
    sigIP.addTo(*h.logIPSignal);
    bkgPt.addTo(*h.ptBackground);
    bkgTau.addTo(*h.decayTimeBackground);
    bkgFit.addTo(*h.decayTimeBackgroundForFit);
    bkgIP.addTo(*h.logIPBackground);

    h.ptSignal->add(*h.ptBackground, -r);
    h.decayTimeSignal->add(*h.decayTimeBackground, -r);
    h.logIPSignal->add(*h.logIPBackground, -r);
    h.decayTimeSignalForFit->add(*h.decayTimeBackgroundForFit, -r);
}

} // namespace analysis
