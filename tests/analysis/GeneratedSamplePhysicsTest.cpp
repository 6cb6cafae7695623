#include "analysis/CandidateFileLoader.h"
#include "analysis/D0Analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

using namespace analysis;

namespace {

const char* const kCandidateFile = "share/VexelLumora/LumoraData_2012.root";

// A slider edge as its one-decimal field shows it.
float oneDecimal(double v) {
    return static_cast<float>(std::round(v * 10.0) / 10.0);
}

// Plot the mass, fit it, plot the distributions and fit the lifetime, as a student does.
double lifetimeFor(D0Analysis& a, const CandidateCuts& cuts, const MassWindows& w) {
    EXPECT_TRUE(a.plotMass(cuts));
    EXPECT_TRUE(a.fitMass(w));
    EXPECT_TRUE(a.plotDistributions(cuts, w));
    const AnalysisStatus s = a.fitLifetime(cuts.tau);
    EXPECT_TRUE(s) << s.message;
    return s ? a.lastLifetimeFit()->tau : 0.0;
}

} // namespace

TEST(GeneratedSamplePhysics, MassPeakLifetimeAndTrend) {
    // The build makes this file in the run directory.
    ASSERT_TRUE(std::ifstream(kCandidateFile).good()) << "no candidate file " << kCandidateFile;
    D0Analysis a(CandidateFileLoader::load(kCandidateFile));
    ASSERT_GT(a.candidates().size(), 10000u);

    CandidateCuts cuts;
    ASSERT_TRUE(a.plotMass(cuts));
    ASSERT_TRUE(a.fitMass(MassWindows{}));
    const MassFitResult& mass = *a.lastMassFit();
    const double mean = mass.fit.parameters[1], sigma = mass.fit.parameters[2];
    EXPECT_NEAR(mean, 1864.8, 0.5);
    EXPECT_NEAR(sigma, 7.5, 0.5);
    EXPECT_GT(mass.signal, 0);

    MassWindows w;
    w.signal = {oneDecimal(mean - 3 * sigma), oneDecimal(mean + 3 * sigma)};
    const double open = lifetimeFor(a, cuts, w);
    EXPECT_GT(open, 0.43);

    cuts.logIP.max = -1.5f;
    EXPECT_NEAR(lifetimeFor(a, cuts, w), 0.4101, 0.015);

    // The trend of the lifetime against the upper impact-parameter cut.
    for (float ipMax = 1.5f; ipMax >= -2.0f; ipMax -= 0.5f) {
        cuts.logIP.max = ipMax;
        const double tau = lifetimeFor(a, cuts, w);
        EXPECT_GT(tau, 0.35) << "upper log10(IP) cut " << ipMax;
        EXPECT_LT(tau, 0.55) << "upper log10(IP) cut " << ipMax;
        ASSERT_TRUE(a.saveFitResult(2));
    }
    TrendPlot plot;
    ASSERT_TRUE(a.plotTrend(2, plot));
    EXPECT_EQ(plot.points.size(), 8u);
    EXPECT_FALSE(plot.bothEdgesVarying);
    EXPECT_DOUBLE_EQ(plot.points.front().x, 1.5);
    EXPECT_DOUBLE_EQ(plot.points.back().x, -2.0);
}
