#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/CandidateColumns.h"
#include "analysis/CandidateCuts.h"
#include "analysis/D0Histograms.h"
#include "analysis/LifetimeFitter.h"
#include "analysis/MassFitter.h"
#include "analysis/MassWindows.h"
#include "analysis/SavedTrendPoints.h"
#include "analysis/TrendAxis.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace analysis {

// Points of a trend plot, ready to draw.
struct TrendPlot {
    int id = 0;
    std::optional<TrendAxis> trend;
    struct Point {
        double x, y, xError, yError;
    };
    std::vector<Point> points;
    // Both cut edges changed between saves: the trend has no single meaning (a warning).
    bool bothEdgesVarying = false;
};

// The state and operations of the D0 lifetime exercise, without any window. Each operation
// takes the control values read when its button is pressed and returns Ok or the reason
// it did nothing (then no state has changed).
class D0Analysis {
public:
    explicit D0Analysis(CandidateColumns candidates);

    const CandidateColumns& candidates() const { return candidates_; }

    // "Plot D0 mass": selects candidates and fills mass (200 bins, 1815 ... 1915).
    AnalysisStatus plotMass(const CandidateCuts& cuts);
    // "Fit mass distribution": Gaussian plus line over the two windows.
    AnalysisStatus fitMass(const MassWindows& windows);
    // "Plot distributions": sideband subtraction; the fit histograms span cuts.tau.
    AnalysisStatus plotDistributions(const CandidateCuts& cuts, const MassWindows& windows);
    // "Fit signal decay time": exponential over the decay-time control's range.
    AnalysisStatus fitLifetime(CutRange decayTimeControl);
    // "Save result and fit": stores the lifetime and its error as the result fields show them
    // with the edges of the trend's cut as they were when the fitted distributions were
    // plotted (the controls may have moved since).
    AnalysisStatus saveFitResult(int trendId, double shownValue, double shownError);
    // The same with the last lifetime fit rounded to four decimals, as the fields show it.
    AnalysisStatus saveFitResult(int trendId);
    // "Plot trend": the points of a trend.
    AnalysisStatus plotTrend(int trendId, TrendPlot& plot);
    // "Clear Trend": forgets the trend's points.
    void clearTrend(int trendId) { trends_.clear(trendId); }

    // Back to the start: histograms deleted, flags cleared, saved points forgotten. The
    // fit functions keep their parameters.
    void resetExercise();
    void deleteHistograms() { histograms_.deleteAll(); }

    double backgroundIntegral(double xmin, double xmax) const {
        return massFitter_.backgroundIntegral(xmin, xmax);
    }
    // The scale factor r for the windows with the current background line; none when the
    // line gives no positive background over the sidebands or a negative one under the peak.
    std::optional<double> scaleFactor(const MassWindows& windows) const;

    bool fittedMass() const { return fittedMass_; }
    bool fittedTime() const { return fittedTime_; }
    const D0Histograms& histograms() const { return histograms_; }
    const MassFitter& massFitter() const { return massFitter_; }
    // The last successful fits.
    const std::optional<MassFitResult>& lastMassFit() const { return lastMassFit_; }
    const std::optional<LifetimeFitResult>& lastLifetimeFit() const { return lastLifetimeFit_; }
    // The scale factor used by the last successful plotDistributions.
    double lastScaleFactor() const { return lastScaleFactor_; }
    const SavedTrendPoints& trends() const { return trends_; }

private:
    const std::vector<std::uint32_t>& selection(const CandidateCuts& cuts);

    CandidateColumns candidates_;
    D0Histograms histograms_;
    MassFitter massFitter_;
    SavedTrendPoints trends_;
    std::optional<MassFitResult> lastMassFit_;
    std::optional<LifetimeFitResult> lastLifetimeFit_;
    double lastScaleFactor_ = 0.0;
    bool fittedMass_ = false;
    bool fittedTime_ = false;

    // The cuts of the distributions the lifetime fits are made on.
    CandidateCuts distributionCuts_;
    std::optional<CandidateCuts> selectionCuts_;
    std::vector<std::uint32_t> selected_;
};

} // namespace analysis
