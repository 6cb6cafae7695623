#include "SyntheticCandidates.h"

#include "analysis/AnalysisMessages.h"
#include "analysis/CandidateSelection.h"
#include "analysis/D0Analysis.h"
#include "analysis/GaussianPlusLineModel.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace analysis;
using Code = AnalysisStatus::Code;

namespace {

MassWindows windows(float sigMin, float sigMax) {
    MassWindows w;
    w.signal = {sigMin, sigMax};
    return w;
}

} // namespace

TEST(CandidateSelection, EdgesAreInclusiveInFileUnits) {
    const double tauLo = static_cast<double>(0.15f) / 1000.0;
    const double tauHi = static_cast<double>(10.15f) / 1000.0;
    ASSERT_EQ(std::log10(1e-4), -4.0);
    // Each row: one variable on or just beyond an edge, the others well inside.
    const std::vector<double> pt{2500.0, 20000.0, 2499.999, 20000.001, 5000,
                                 5000,   5000,    5000,     5000,      5000};
    const std::vector<double> tau{1e-3,  1e-3, 1e-3,           1e-3, tauLo,
                                  tauHi, 1e-3, tauLo * 0.9999, 1e-3, 1e-3};
    const std::vector<double> ip{0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 1e-4, 0.01, 0.99e-4, 0.01};
    const std::vector<double> mm(pt.size(), 1865.0);
    auto ipEdge = ip;
    ipEdge[9] = std::pow(10.0, static_cast<double>(1.5f)) * 1.0001; // above the upper edge
    const CandidateColumns c(mm, pt, tau, ipEdge);
    const CandidateCuts cuts; // the full ranges
    const std::vector<bool> expected{true, true, false, false, true,
                                     true, true, false, false, false};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(CandidateSelection::passes(c, i, cuts), expected[i]) << "candidate " << i;
    const auto selected = CandidateSelection::select(c, cuts);
    EXPECT_EQ(selected, (std::vector<std::uint32_t>{0, 1, 4, 5, 6}));

    // Narrower single-precision edges: 3.7f GeV is compared as 3.7f widened, times 1000.
    CandidateCuts narrow;
    narrow.pt = {3.7f, 4.2f};
    const double edge = static_cast<double>(3.7f) * 1000.0;
    const CandidateColumns d({1865, 1865}, {edge, std::nextafter(edge, 0.0)}, {1e-3, 1e-3},
                             {0.01, 0.01});
    EXPECT_TRUE(CandidateSelection::passes(d, 0, narrow));
    EXPECT_FALSE(CandidateSelection::passes(d, 1, narrow));
}

TEST(D0Analysis, StepsInTheWrongOrderAreRefusedWithTheirMessages) {
    D0Analysis a(analysis_test::makeCandidates({}));
    AnalysisStatus s = a.fitMass(MassWindows{});
    EXPECT_EQ(s.code, Code::NoMassHistogram);
    EXPECT_EQ(s.message,
              "You must plot the invariant mass\ndistribution before attempting to fit it.");
    EXPECT_FALSE(a.fittedMass());

    ASSERT_TRUE(a.plotMass(CandidateCuts{}));
    s = a.plotDistributions(CandidateCuts{}, windows(1845, 1885));
    EXPECT_EQ(s.code, Code::NoMassFit);
    EXPECT_EQ(s.message, AnalysisMessages::kFitMassBeforeDistributions);
    s = a.fitLifetime(CandidateCuts{}.tau);
    EXPECT_EQ(s.code, Code::NoDistributions);
    EXPECT_EQ(s.message, "You must plot the variable distributions\nbefore attempting to fit the "
                         "signal lifetime.");
    s = a.saveFitResult(2);
    EXPECT_EQ(s.code, Code::NoLifetimeFit);
    EXPECT_EQ(s.message, AnalysisMessages::kFitLifetimeBeforeSaving);

    ASSERT_TRUE(a.fitMass(MassWindows{}));
    EXPECT_TRUE(a.fittedMass());
    // The signal window must lie strictly inside the background range at both ends.
    for (const MassWindows& w : {MassWindows{}, windows(1815, 1885), windows(1845, 1915)}) {
        s = a.plotDistributions(CandidateCuts{}, w);
        EXPECT_EQ(s.code, Code::SignalWindowAtEdge);
        EXPECT_EQ(s.message, AnalysisMessages::kSignalRangeFillsMassRange);
    }
    EXPECT_EQ(a.histograms().decayTimeSignal, nullptr);
    TrendPlot plot;
    s = a.plotTrend(2, plot);
    EXPECT_EQ(s.code, Code::NoSavedPoints);
    EXPECT_EQ(s.message, AnalysisMessages::kSaveResultBeforeTrend);
    EXPECT_EQ(a.plotTrend(7, plot).code, Code::UnknownTrend);
}

TEST(D0Analysis, MassPlotAndFitGiveThePeakAndTruncatedYields) {
    D0Analysis a(analysis_test::makeCandidates({}));
    CandidateCuts cuts;
    ASSERT_TRUE(a.plotMass(cuts));
    const Hist1D& h = *a.histograms().mass;
    EXPECT_EQ(h.name(), "D0Mass");
    EXPECT_EQ(h.nbins(), 200);
    EXPECT_EQ(h.xmin(), 1815.0);
    EXPECT_EQ(h.xmax(), 1915.0);
    const auto selected = CandidateSelection::select(a.candidates(), cuts);
    EXPECT_DOUBLE_EQ(h.integral(0, 201), static_cast<double>(selected.size()));

    ASSERT_TRUE(a.fitMass(windows(1842.3f, 1887.3f)));
    const MassFitResult& fit = *a.lastMassFit();
    const auto& p = fit.fit.parameters;
    EXPECT_NEAR(p[1], 1864.8, 0.3);
    EXPECT_NEAR(p[2], 7.5, 0.3);
    EXPECT_EQ(fit.rangeLow, 1815.0);
    EXPECT_EQ(fit.rangeHigh, 1915.0);
    const double smin = 1842.3f, smax = 1887.3f;
    EXPECT_EQ(fit.total,
              static_cast<long long>(GaussianPlusLineModel::integral(smin, smax, p.data()) / 0.5));
    EXPECT_EQ(fit.background,
              static_cast<long long>(
                  (p[3] * (smax * smax - smin * smin) / 2.0 + p[4] * (smax - smin)) / 0.5));
    EXPECT_EQ(fit.signal, fit.total - fit.background);
    // Most of the selected signal lies in +-3 sigma; the flat background is 45 % of 100 MeV.
    const double selectedFraction = static_cast<double>(selected.size()) / 40000.0;
    EXPECT_NEAR(fit.signal, 20000 * selectedFraction * 0.997, 0.04 * 20000 * selectedFraction);
    EXPECT_NEAR(fit.background, 20000 * selectedFraction * 0.45, 0.06 * 20000 * selectedFraction);
    EXPECT_DOUBLE_EQ(a.backgroundIntegral(smin, smax),
                     p[3] * (smax * smax - smin * smin) / 2.0 + p[4] * (smax - smin));

    // A second fit starts [3] and [4] from the first one's and lands on the same minimum.
    const auto first = p;
    ASSERT_TRUE(a.fitMass(windows(1842.3f, 1887.3f)));
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(a.lastMassFit()->fit.parameters[k], first[k],
                    1e-4 * a.lastMassFit()->fit.errors[k]);

    // Re-plotting with other cuts keeps the fit.
    cuts.pt = {4.0f, 20.0f};
    ASSERT_TRUE(a.plotMass(cuts));
    EXPECT_TRUE(a.fittedMass());
    EXPECT_LT(a.histograms().mass->integral(0, 201), static_cast<double>(selected.size()));
}

TEST(D0Analysis, SidebandSubtractionScalesByTheBackgroundLine) {
    analysis_test::SyntheticSetup setup;
    setup.massLow = 1790.0; // background beyond the background range too
    setup.massHigh = 1940.0;
    D0Analysis a(analysis_test::makeCandidates(setup));
    CandidateCuts cuts;
    cuts.tau = {0.25f, 5.25f};
    ASSERT_TRUE(a.plotMass(cuts));
    ASSERT_TRUE(a.fitMass(MassWindows{}));
    const MassWindows w = windows(1842.3f, 1887.3f);
    ASSERT_TRUE(a.plotDistributions(cuts, w));
    const D0Histograms& h = a.histograms();

    const double sMin = 1842.3f, sMax = 1887.3f;
    const double r = a.backgroundIntegral(sMin, sMax) /
                     (a.backgroundIntegral(1815.0, sMin) + a.backgroundIntegral(sMax, 1915.0));
    EXPECT_DOUBLE_EQ(a.lastScaleFactor(), r);
    EXPECT_NEAR(r, 45.0 / 55.0, 0.05);

    // Count by hand: signal window inclusive, background only inside the background range.
    const auto& c = a.candidates();
    const auto selected = CandidateSelection::select(c, cuts);
    std::vector<double> sigCount(102, 0.0), bkgCount(102, 0.0);
    double nSig = 0, nBkg = 0;
    for (const auto i : selected) {
        const double m = c.mass()[i];
        const int bin = h.decayTimeSignalForFit->findBin(c.tauPs()[i]);
        if (m >= sMin && m <= sMax) {
            sigCount[bin] += 1;
            nSig += 1;
        } else if (m >= 1815.0 && m <= 1915.0) {
            bkgCount[bin] += 1;
            nBkg += 1;
        }
    }
    EXPECT_DOUBLE_EQ(h.decayTimeBackgroundForFit->integral(0, 101), nBkg);
    EXPECT_DOUBLE_EQ(h.ptBackground->integral(0, 176), nBkg);
    EXPECT_DOUBLE_EQ(h.decayTimeBackground->integral(0, 1001), nBkg);
    EXPECT_DOUBLE_EQ(h.logIPBackground->integral(0, 111), nBkg);
    EXPECT_NEAR(h.logIPSignal->integral(0, 111), nSig - r * nBkg, 1e-6);
    for (int bin = 1; bin <= 100; ++bin) {
        EXPECT_NEAR(h.decayTimeSignalForFit->binContent(bin), sigCount[bin] - r * bkgCount[bin],
                    1e-9);
        EXPECT_NEAR(h.decayTimeSignalForFit->sumw2(bin), sigCount[bin] + r * r * bkgCount[bin],
                    1e-9);
        EXPECT_DOUBLE_EQ(h.decayTimeBackgroundForFit->binContent(bin), bkgCount[bin]);
    }
    // Binning: fit histograms follow the decay-time cut, display histograms do not.
    EXPECT_EQ(h.decayTimeSignalForFit->nbins(), 100);
    EXPECT_EQ(h.decayTimeSignalForFit->xmin(), static_cast<double>(0.25f));
    EXPECT_EQ(h.decayTimeSignalForFit->xmax(), static_cast<double>(5.25f));
    EXPECT_EQ(h.decayTimeSignal->nbins(), 1000);
    EXPECT_EQ(h.decayTimeSignal->xmin(), static_cast<double>(0.15f));
    EXPECT_EQ(h.decayTimeSignal->xmax(), static_cast<double>(10.15f));
    EXPECT_EQ(h.ptSignal->nbins(), 175);
    EXPECT_EQ(h.logIPSignal->nbins(), 110);
    EXPECT_EQ(h.logIPSignal->name(), "D0IP Sig");
    EXPECT_EQ(h.decayTimeBackgroundForFit->name(), "D0TAU Bkg For Fit");

    // The subtracted decay-time distribution gives the signal lifetime, not a mixture.
    ASSERT_TRUE(a.fitLifetime(cuts.tau));
    EXPECT_TRUE(a.fittedTime());
    const LifetimeFitResult& life = *a.lastLifetimeFit();
    EXPECT_NEAR(life.tau, setup.signalTauPs, 3.0 * life.tauError + 0.005);
    EXPECT_NEAR(life.tauError, std::fabs(life.fit.errors[1] / std::pow(life.fit.parameters[1], 2)),
                1e-15);

    // Plotting again clears the lifetime fit; saving needs a new fit.
    ASSERT_TRUE(a.plotDistributions(cuts, w));
    EXPECT_FALSE(a.fittedTime());
    EXPECT_EQ(a.saveFitResult(2).code, Code::NoLifetimeFit);
}

TEST(D0Analysis, SignalWindowEdgeCountsAsSignal) {
    // Two candidates exactly on the window edges, one just outside.
    const double lo = 1845.5f, hi = 1884.5f;
    CandidateColumns base = analysis_test::makeCandidates({});
    std::vector<double> mm = base.mass(), pt = base.pt(), tau = base.tau(), ip = base.minIP();
    for (double m : {lo, hi, std::nextafter(lo, 0.0)}) {
        mm.push_back(m);
        pt.push_back(5000.0);
        tau.push_back(9.0e-3); // 9 ps: a bin of its own far in the tail
        ip.push_back(0.01);
    }
    D0Analysis a(CandidateColumns(mm, pt, tau, ip));
    ASSERT_TRUE(a.plotMass(CandidateCuts{}));
    ASSERT_TRUE(a.fitMass(MassWindows{}));
    // The generated candidates never reach 9 ps in this sample's tail bin: compare counts.
    ASSERT_TRUE(a.plotDistributions(CandidateCuts{},
                                    windows(static_cast<float>(lo), static_cast<float>(hi))));
    D0Analysis b(std::move(base));
    ASSERT_TRUE(b.plotMass(CandidateCuts{}));
    ASSERT_TRUE(b.fitMass(MassWindows{}));
    ASSERT_TRUE(b.plotDistributions(CandidateCuts{},
                                    windows(static_cast<float>(lo), static_cast<float>(hi))));
    const int bin = a.histograms().decayTimeBackground->findBin(9.0);
    const double r = a.lastScaleFactor();
    EXPECT_DOUBLE_EQ(a.histograms().decayTimeBackground->binContent(bin) -
                         b.histograms().decayTimeBackground->binContent(bin),
                     1.0);
    const double sigA = a.histograms().decayTimeSignal->binContent(bin) +
                        r * a.histograms().decayTimeBackground->binContent(bin);
    const double sigB = b.histograms().decayTimeSignal->binContent(bin) +
                        b.lastScaleFactor() * b.histograms().decayTimeBackground->binContent(bin);
    EXPECT_NEAR(sigA - sigB, 2.0, 1e-9);
}

TEST(D0Analysis, BackgroundLineWithoutPositiveSidebandsIsRefused) {
    // Background only just above 1815, falling to nothing at 1840: the fitted line falls
    // through zero inside the mass range.
    analysis_test::SyntheticSetup setup;
    setup.background = 0;
    CandidateColumns peak = analysis_test::makeCandidates(setup);
    std::vector<double> mm = peak.mass(), pt = peak.pt(), tau = peak.tau(), ip = peak.minIP();
    for (int i = 0; i < 4000; ++i) {
        const double u = (i + 0.5) / 4000.0;
        mm.push_back(1815.0 + 25.0 * (1.0 - std::sqrt(u)));
        pt.push_back(5000.0);
        tau.push_back(1e-3);
        ip.push_back(0.01);
    }
    D0Analysis a(CandidateColumns(mm, pt, tau, ip));
    ASSERT_TRUE(a.plotMass(CandidateCuts{}));
    ASSERT_TRUE(a.fitMass(MassWindows{}));
    const double slope = a.massFitter().parameters()[3];
    const double zero = -a.massFitter().parameters()[4] / slope;
    ASSERT_LT(slope, 0.0);
    ASSERT_GT(zero, 1870.0);
    ASSERT_LT(zero, 1905.0);

    // Sidebands mostly beyond the zero: no positive background to scale from.
    MassWindows w;
    w.background = {static_cast<float>(zero) - 10.0f, 1915.0f};
    w.signal = {static_cast<float>(zero) - 5.0f, 1910.0f};
    ASSERT_LE(a.backgroundIntegral(w.background.min, w.signal.min) +
                  a.backgroundIntegral(w.signal.max, w.background.max),
              0.0);
    AnalysisStatus s = a.plotDistributions(CandidateCuts{}, w);
    EXPECT_EQ(s.code, Code::NoSidebandBackground);
    EXPECT_EQ(s.message, AnalysisMessages::kNoSidebandBackground);
    EXPECT_FALSE(a.scaleFactor(w).has_value());

    // Positive sidebands but a negative background under the peak: r would add background.
    w = windows(static_cast<float>(zero) + 2.0f, 1912.0f);
    ASSERT_GT(a.backgroundIntegral(1815.0, w.signal.min) +
                  a.backgroundIntegral(w.signal.max, 1915.0),
              0.0);
    s = a.plotDistributions(CandidateCuts{}, w);
    EXPECT_EQ(s.code, Code::NoSidebandBackground);
    EXPECT_EQ(a.histograms().decayTimeSignal, nullptr);

    // A window around the peak works.
    EXPECT_TRUE(a.plotDistributions(CandidateCuts{}, windows(1845.0f, 1885.0f)));
}

TEST(D0Analysis, TrendsSaveCheckPlotClearAndReset) {
    D0Analysis a(analysis_test::makeCandidates({}));
    CandidateCuts cuts;
    ASSERT_TRUE(a.plotMass(cuts));
    ASSERT_TRUE(a.fitMass(windows(1842.3f, 1887.3f)));
    ASSERT_TRUE(a.plotDistributions(cuts, windows(1842.3f, 1887.3f)));
    ASSERT_TRUE(a.fitLifetime(cuts.tau));

    const double tau = a.lastLifetimeFit()->tau;
    ASSERT_TRUE(a.saveFitResult(2));
    // A cut moved after the fit is not the fit's: the result keeps the edges it was made with.
    cuts.logIP.max = -1.5f;
    ASSERT_TRUE(a.saveFitResult(2, 0.4202, 0.0111));
    ASSERT_TRUE(a.plotDistributions(cuts, windows(1842.3f, 1887.3f)));
    ASSERT_TRUE(a.fitLifetime(cuts.tau));
    ASSERT_TRUE(a.saveFitResult(2, 0.4101, 0.0123));
    EXPECT_EQ(a.saveFitResult(9).code, Code::UnknownTrend);
    ASSERT_TRUE(a.saveFitResult(1, 0.45, 0.01));

    TrendPlot plot;
    ASSERT_TRUE(a.plotTrend(2, plot));
    ASSERT_EQ(plot.points.size(), 3u);
    // Saved as the four-decimal field shows it.
    EXPECT_DOUBLE_EQ(plot.points[0].y, std::round(tau * 1e4) / 1e4);
    EXPECT_DOUBLE_EQ(plot.points[0].x, 1.5);
    EXPECT_DOUBLE_EQ(plot.points[1].x, 1.5);
    EXPECT_DOUBLE_EQ(plot.points[1].y, 0.4202);
    EXPECT_DOUBLE_EQ(plot.points[2].x, static_cast<double>(-1.5f));
    EXPECT_DOUBLE_EQ(plot.points[2].y, 0.4101);
    EXPECT_DOUBLE_EQ(plot.points[2].yError, 0.0123);
    EXPECT_EQ(plot.points[2].xError, 0.0);
    EXPECT_EQ(plot.trend->title, "log_{10}( D^{0} IP [mm] )");
    EXPECT_FALSE(plot.bothEdgesVarying);
    ASSERT_TRUE(a.plotTrend(1, plot));
    EXPECT_DOUBLE_EQ(plot.points[0].x, 2.5); // lower PT edge

    a.clearTrend(2);
    EXPECT_EQ(a.plotTrend(2, plot).code, Code::NoSavedPoints);
    a.clearTrend(4); // nothing saved: nothing happens
    ASSERT_TRUE(a.plotTrend(1, plot));

    a.resetExercise();
    EXPECT_FALSE(a.fittedMass());
    EXPECT_FALSE(a.fittedTime());
    EXPECT_EQ(a.histograms().mass, nullptr);
    EXPECT_EQ(a.histograms().decayTimeSignalForFit, nullptr);
    EXPECT_EQ(a.plotTrend(1, plot).code, Code::NoSavedPoints);
    // The mass model keeps its parameters through a reset.
    EXPECT_NE(a.massFitter().parameters()[3], 0.0);
}

TEST(D0Analysis, NothingToFitGivesAMessageAndNoNumbers) {
    // Every candidate outside the mass histogram: the mass fit has no bin to use.
    D0Analysis a(CandidateColumns({1700.0, 1950.0, 2000.0}, {5000, 5000, 5000}, {1e-3, 1e-3, 1e-3},
                                  {0.01, 0.01, 0.01}));
    ASSERT_TRUE(a.plotMass(CandidateCuts{}));
    AnalysisStatus s = a.fitMass(MassWindows{});
    EXPECT_EQ(s.code, Code::NothingToFit);
    EXPECT_FALSE(s.message.empty());
    EXPECT_FALSE(a.fittedMass());
    EXPECT_FALSE(a.lastMassFit().has_value());
    EXPECT_EQ(a.fitMass(windows(1850.0f, 1850.0f)).code, Code::EmptySignalRange);

    // A subtracted decay-time histogram without a positive bin in the fit range.
    D0Analysis b(analysis_test::makeCandidates({}));
    CandidateCuts cuts;
    ASSERT_TRUE(b.plotMass(cuts));
    ASSERT_TRUE(b.fitMass(MassWindows{}));
    ASSERT_TRUE(b.plotDistributions(cuts, windows(1842.3f, 1887.3f)));
    s = b.fitLifetime({10.0f, 10.15f}); // beyond every generated decay time
    EXPECT_EQ(s.code, Code::NothingToFit);
    EXPECT_FALSE(b.fittedTime());
    EXPECT_FALSE(b.lastLifetimeFit().has_value());
    EXPECT_EQ(b.saveFitResult(2).code, Code::NoLifetimeFit);
    EXPECT_EQ(b.fitLifetime({2.0f, 2.0f}).code, Code::EmptyDecayTimeRange);
    cuts.tau = {3.0f, 3.0f};
    EXPECT_EQ(b.plotDistributions(cuts, windows(1842.3f, 1887.3f)).code, Code::EmptyDecayTimeRange);
}

TEST(D0Analysis, MassFitWithoutAPeakStillGivesNumbers) {
    // Background only: the Gaussian can end on a limit, where the chi-square is flat in its
    // direction; the fit still reports its minimum, with a warning on the errors.
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        analysis_test::SyntheticSetup setup;
        setup.signal = 0;
        setup.background = 5000;
        setup.seed = seed;
        D0Analysis a(analysis_test::makeCandidates(setup));
        ASSERT_TRUE(a.plotMass(CandidateCuts{}));
        const AnalysisStatus s = a.fitMass(windows(1842.3f, 1887.3f));
        ASSERT_TRUE(s) << seed << ": " << s.message;
        const Chi2FitResult& fit = a.lastMassFit()->fit;
        EXPECT_EQ(s.message, fit.message);
        EXPECT_EQ(fit.covarianceForced, !fit.message.empty());
        for (int k = 0; k < 5; ++k) {
            EXPECT_TRUE(std::isfinite(fit.parameters[k]));
            EXPECT_TRUE(std::isfinite(fit.errors[k]));
        }
        EXPECT_GE(fit.parameters[0], 0.0);
        EXPECT_GE(fit.parameters[1], static_cast<double>(1842.3f));
        EXPECT_LE(fit.parameters[1], static_cast<double>(1887.3f));
        EXPECT_LT(std::abs(a.lastMassFit()->signal), 600);
    }
}
