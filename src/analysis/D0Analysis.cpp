#include "analysis/D0Analysis.h"

#include "analysis/AnalysisMessages.h"
#include "analysis/CandidateSelection.h"
#include "analysis/ExerciseRanges.h"
#include "analysis/UnitFillCounter.h"
#include "analysis/VariableDistributions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace analysis {

namespace {

using Code = AnalysisStatus::Code;

// A number as a four-decimal field shows it and reads it back.
double asShownWithFourDecimals(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", v);
    return std::strtod(text, nullptr);
}

AnalysisStatus fitFailure(const FitResult& fit) {
    return AnalysisStatus::failure(fit.noData ? Code::NothingToFit : Code::FitFailed, fit.message);
}

} // namespace

D0Analysis::D0Analysis(CandidateColumns candidates) : candidates_(std::move(candidates)) {}

const std::vector<std::uint32_t>& D0Analysis::selection(const CandidateCuts& cuts) {
    if (!selectionCuts_ || *selectionCuts_ != cuts) {
        selected_ = CandidateSelection::select(candidates_, cuts);
        selectionCuts_ = cuts;
    }
    return selected_;
}

AnalysisStatus D0Analysis::plotMass(const CandidateCuts& cuts) {
    auto& h = histograms_.fMinvHisto;
    if (!h) {
        const CutRange range = ExerciseRanges::candidateMass;
        h = std::make_unique<Hist1D>("D0Mass", "D0Mass", ExerciseRanges::candidateMassBins,
                                     range.min, range.max);
        h->setAxisTitles("D^{0} Invariant Mass (MeV/c^{2})", "D^{0} Candidates/(0.5 MeV)");
    } else {
        h->reset();
    }
    const double* mass = candidates_.mass().data();
    UnitFillCounter counter(*h);
    for (const std::uint32_t i : selection(cuts))
        counter.add(mass[i]);
    counter.addTo(*h);
    return AnalysisStatus::success();
}

AnalysisStatus D0Analysis::fitMass(const MassWindows& windows) {
    if (!histograms_.fMinvHisto)
        return AnalysisStatus::failure(Code::NoMassHistogram, AnalysisMessages::kPlotMassFirst);
    if (!(windows.signal.max > windows.signal.min))
        return AnalysisStatus::failure(Code::EmptyRange,
                                       "The signal range is empty: its upper edge must lie "
                                       "above its lower edge.");
    MassFitResult result = massFitter_.fit(*histograms_.fMinvHisto, windows);
    if (!result.fit.valid)
        return fitFailure(result.fit);
    AnalysisStatus status = AnalysisStatus::success();
    status.message = result.fit.message; // a warning, if any
    lastMassFit_ = std::move(result);
    fittedMass_ = true;
    return status;
}

std::optional<double> D0Analysis::scaleFactor(const MassWindows& windows) const {
    const double bkgMin = windows.background.min, bkgMax = windows.background.max;
    const double sigMin = windows.signal.min, sigMax = windows.signal.max;
    const double sidebands =
        Background_Integral(bkgMin, sigMin) + Background_Integral(sigMax, bkgMax);
    if (!(sidebands > 0.0))
        return std::nullopt;
    const double r = Background_Integral(sigMin, sigMax) / sidebands;
    if (!(r >= 0.0) || !std::isfinite(r))
        return std::nullopt;
    return r;
}

AnalysisStatus D0Analysis::plotDistributions(const CandidateCuts& cuts,
                                             const MassWindows& windows) {
    if (!fittedMass_)
        return AnalysisStatus::failure(Code::NoMassFit, AnalysisMessages::i5);
    if (windows.background.min == windows.signal.min ||
        windows.signal.max == windows.background.max)
        return AnalysisStatus::failure(Code::SignalWindowAtEdge, AnalysisMessages::i1);
    if (!(cuts.tau.max > cuts.tau.min))
        return AnalysisStatus::failure(Code::EmptyRange,
                                       "The decay-time range is empty: its upper edge must lie "
                                       "above its lower edge.");
    const auto r = scaleFactor(windows);
    if (!r)
        return AnalysisStatus::failure(Code::NoSidebandBackground,
                                       AnalysisMessages::kNoSidebandBackground);
    VariableDistributions::fill(histograms_, candidates_, selection(cuts), windows, cuts.tau, *r);
    lastScaleFactor_ = *r;
    fittedTime_ = false;
    return AnalysisStatus::success();
}

AnalysisStatus D0Analysis::fitLifetime(CutRange decayTimeControl) {
    if (!histograms_.fD0TAUHisto_Sig || !histograms_.fSigCacheForFit)
        return AnalysisStatus::failure(Code::NoDistributions,
                                       AnalysisMessages::kPlotDistributionsFirst);
    if (!(decayTimeControl.max > decayTimeControl.min))
        return AnalysisStatus::failure(Code::EmptyRange,
                                       "The decay-time range is empty: its upper edge must lie "
                                       "above its lower edge.");
    LifetimeFitResult result = LifetimeFitter::fit(*histograms_.fSigCacheForFit, decayTimeControl);
    if (!result.fit.valid)
        return fitFailure(result.fit);
    AnalysisStatus status = AnalysisStatus::success();
    status.message = result.fit.message; // a warning, if any
    lastLifetimeFit_ = std::move(result);
    fittedTime_ = true;
    return status;
}

AnalysisStatus D0Analysis::saveFitResult(int trendId, const CandidateCuts& cuts, double shownValue,
                                         double shownError) {
    if (!fittedTime_)
        return AnalysisStatus::failure(Code::NoLifetimeFit, AnalysisMessages::i3);
    const auto cut = FitResults::cutFor(trendId);
    if (!cut)
        return AnalysisStatus::failure(Code::UnknownTrend, "");
    const CutRange edges = *cut == FitResults::TrendCut::TransverseMomentum ? cuts.pt : cuts.logIP;
    trends_.save(trendId, FitResults::FitPoint(edges.min, edges.max, shownValue, shownError));
    return AnalysisStatus::success();
}

AnalysisStatus D0Analysis::saveFitResult(int trendId, const CandidateCuts& cuts) {
    if (!fittedTime_ || !lastLifetimeFit_)
        return AnalysisStatus::failure(Code::NoLifetimeFit, AnalysisMessages::i3);
    return saveFitResult(trendId, cuts, asShownWithFourDecimals(lastLifetimeFit_->tau),
                         asShownWithFourDecimals(lastLifetimeFit_->tauError));
}

AnalysisStatus D0Analysis::plotTrend(int trendId, TrendPlot& plot) {
    const auto trend = FitResults::trendFor(trendId);
    if (!trend)
        return AnalysisStatus::failure(Code::UnknownTrend, "");
    const auto& list = trends_.points(trendId);
    if (list.empty())
        return AnalysisStatus::failure(Code::NoSavedPoints, AnalysisMessages::i2);
    plot = TrendPlot{};
    plot.id = trendId;
    plot.trend = trend;
    plot.bothEdgesVarying = trends_.check(trendId) == FitResultTrends::Check::BothEdgesVarying;
    for (const auto& p : list)
        plot.points.push_back({(*trend)(p), p.value, 0.0, p.error});
    plot.pad = trends_.padFor(trendId);
    return AnalysisStatus::success();
}

std::optional<unsigned> D0Analysis::clearTrend(int trendId) {
    trends_.clear(trendId);
    return trends_.assignedPad(trendId);
}

void D0Analysis::resetExercise() {
    histograms_.deleteAll();
    fittedTime_ = false;
    fittedMass_ = false;
    trends_.reset();
    lastMassFit_.reset();
    lastLifetimeFit_.reset();
    lastScaleFactor_ = 0.0;
}

} // namespace analysis
