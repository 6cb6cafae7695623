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

AnalysisStatus fitFailure(const Chi2FitResult& fit) {
    return AnalysisStatus::failure(fit.noData ? Code::NothingToFit : Code::FitFailed, fit.message);
}

// Ok, with the fit's warning if its errors are approximate.
AnalysisStatus fitSuccess(const Chi2FitResult& fit) {
    AnalysisStatus status = AnalysisStatus::success();
    status.approximateErrors = fit.covarianceForced;
    status.message = fit.message;
    return status;
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
    auto& h = histograms_.mass;
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
    if (!histograms_.mass)
        return AnalysisStatus::failure(Code::NoMassHistogram, AnalysisMessages::kPlotMassFirst);
    if (!(windows.signal.max > windows.signal.min))
        return AnalysisStatus::failure(Code::EmptySignalRange, AnalysisMessages::kEmptySignalRange);
    MassFitResult result = massFitter_.fit(*histograms_.mass, windows);
    if (!result.fit.valid)
        return fitFailure(result.fit);
    AnalysisStatus status = fitSuccess(result.fit);
    lastMassFit_ = std::move(result);
    fittedMass_ = true;
    return status;
}

std::optional<double> D0Analysis::scaleFactor(const MassWindows& windows) const {
    const double bkgMin = windows.background.min, bkgMax = windows.background.max;
    const double sigMin = windows.signal.min, sigMax = windows.signal.max;
    const double sidebands =
        backgroundIntegral(bkgMin, sigMin) + backgroundIntegral(sigMax, bkgMax);
    if (!(sidebands > 0.0))
        return std::nullopt;
    const double r = backgroundIntegral(sigMin, sigMax) / sidebands;
    if (!(r >= 0.0) || !std::isfinite(r))
        return std::nullopt;
    return r;
}

AnalysisStatus D0Analysis::plotDistributions(const CandidateCuts& cuts,
                                             const MassWindows& windows) {
    if (!fittedMass_)
        return AnalysisStatus::failure(Code::NoMassFit,
                                       AnalysisMessages::kFitMassBeforeDistributions);
    if (windows.background.min == windows.signal.min ||
        windows.signal.max == windows.background.max)
        return AnalysisStatus::failure(Code::SignalWindowAtEdge,
                                       AnalysisMessages::kSignalRangeFillsMassRange);
    if (!(cuts.tau.max > cuts.tau.min))
        return AnalysisStatus::failure(Code::EmptyDecayTimeRange,
                                       AnalysisMessages::kEmptyDecayTimeRange);
    const auto r = scaleFactor(windows);
    if (!r)
        return AnalysisStatus::failure(Code::NoSidebandBackground,
                                       AnalysisMessages::kNoSidebandBackground);
    VariableDistributions::fill(histograms_, candidates_, selection(cuts), windows, cuts.tau, *r);
    lastScaleFactor_ = *r;
    distributionCuts_ = cuts;
    fittedTime_ = false;
    return AnalysisStatus::success();
}

AnalysisStatus D0Analysis::fitLifetime(CutRange decayTimeControl) {
    if (!histograms_.decayTimeSignal || !histograms_.decayTimeSignalForFit)
        return AnalysisStatus::failure(Code::NoDistributions,
                                       AnalysisMessages::kPlotDistributionsFirst);
    if (!(decayTimeControl.max > decayTimeControl.min))
        return AnalysisStatus::failure(Code::EmptyDecayTimeRange,
                                       AnalysisMessages::kEmptyDecayTimeRange);
    LifetimeFitResult result =
        LifetimeFitter::fit(*histograms_.decayTimeSignalForFit, decayTimeControl);
    if (!result.fit.valid)
        return fitFailure(result.fit);
    AnalysisStatus status = fitSuccess(result.fit);
    lastLifetimeFit_ = std::move(result);
    fittedTime_ = true;
    return status;
}

AnalysisStatus D0Analysis::saveFitResult(int trendId, double shownValue, double shownError) {
    if (!fittedTime_)
        return AnalysisStatus::failure(Code::NoLifetimeFit,
                                       AnalysisMessages::kFitLifetimeBeforeSaving);
    const auto cut = trendCutFor(trendId);
    if (!cut)
        return AnalysisStatus::failure(Code::UnknownTrend, "");
    const CutRange edges =
        *cut == TrendCut::TransverseMomentum ? distributionCuts_.pt : distributionCuts_.logIP;
    trends_.save(trendId, TrendPoint(edges.min, edges.max, shownValue, shownError));
    return AnalysisStatus::success();
}

AnalysisStatus D0Analysis::saveFitResult(int trendId) {
    if (!fittedTime_ || !lastLifetimeFit_)
        return AnalysisStatus::failure(Code::NoLifetimeFit,
                                       AnalysisMessages::kFitLifetimeBeforeSaving);
    return saveFitResult(trendId, asShownWithFourDecimals(lastLifetimeFit_->tau),
                         asShownWithFourDecimals(lastLifetimeFit_->tauError));
}

AnalysisStatus D0Analysis::plotTrend(int trendId, TrendPlot& plot) {
    const auto trend = trendAxisFor(trendId);
    if (!trend)
        return AnalysisStatus::failure(Code::UnknownTrend, "");
    const auto& list = trends_.points(trendId);
    if (list.empty())
        return AnalysisStatus::failure(Code::NoSavedPoints,
                                       AnalysisMessages::kSaveResultBeforeTrend);
    plot = TrendPlot{};
    plot.id = trendId;
    plot.trend = trend;
    plot.bothEdgesVarying = trends_.check(trendId) == SavedTrendPoints::Check::BothEdgesVarying;
    for (const auto& p : list)
        plot.points.push_back({(*trend)(p), p.value, 0.0, p.error});
    return AnalysisStatus::success();
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
