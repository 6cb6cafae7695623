// The lesson of the lifetime exercise, run through the project's own analysis on the
// candidates of the generated file.
#include "CandidateGenerator.h"
#include "analysis/D0Analysis.h"

#include <gtest/gtest.h>

using namespace vexelgen;

namespace {

struct Measurement {
    double tau, error;
};

class AnalysisLessonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CandidateSample s = CandidateGenerator(streamSeed(20120601, 1)).generate(45000);
        analysis_ = new analysis::D0Analysis(analysis::CandidateColumns(
            std::move(s.D0_MM), std::move(s.D0_PT), std::move(s.D0_TAU), std::move(s.D0_MINIP)));
    }
    static void TearDownTestSuite() {
        delete analysis_;
        analysis_ = nullptr;
    }

    // Plot the mass, fit it, set the signal window to mean +- 3 sigma, fit again, subtract
    // the sidebands and fit the decay time, as a student would.
    static Measurement measure(const analysis::CandidateCuts& cuts) {
        auto& a = *analysis_;
        EXPECT_TRUE(a.plotMass(cuts).ok());
        analysis::MassWindows windows;
        windows.signal = {1830.0f, 1900.0f};
        EXPECT_TRUE(a.fitMass(windows).ok());
        const auto& p = a.lastMassFit()->fit.parameters;
        windows.signal = {static_cast<float>(p[1] - 3 * p[2]), static_cast<float>(p[1] + 3 * p[2])};
        EXPECT_TRUE(a.fitMass(windows).ok());
        EXPECT_TRUE(a.plotDistributions(cuts, windows).ok());
        EXPECT_TRUE(a.fitLifetime(cuts.tau).ok());
        return {a.lastLifetimeFit()->tau, a.lastLifetimeFit()->tauError};
    }

    static analysis::D0Analysis* analysis_;
};

analysis::D0Analysis* AnalysisLessonTest::analysis_ = nullptr;

} // namespace

TEST_F(AnalysisLessonTest, MassPeakFitsTheGeneratedSignal) {
    analysis::CandidateCuts cuts;
    measure(cuts);
    const auto& fit = *analysis_->lastMassFit();
    EXPECT_NEAR(fit.fit.parameters[1], CandidateGenerator::kSignalMean, 0.5);
    EXPECT_NEAR(fit.fit.parameters[2], CandidateGenerator::kSignalSigma, 0.5);
    EXPECT_GT(fit.signal, 15000);
}

TEST_F(AnalysisLessonTest, LifetimeMovesToTheTrueValueWithTheImpactParameterCut) {
    analysis::CandidateCuts cuts;
    const Measurement open = measure(cuts);
    EXPECT_GT(open.tau, 0.425);
    EXPECT_LT(open.tau, 0.47);
    cuts.logIP.max = -1.5f;
    EXPECT_NEAR(measure(cuts).tau, 0.4101, 0.015);
    double lowest = open.tau;
    for (int step = 0; step <= 17; ++step) {
        cuts.logIP.max = static_cast<float>(1.5 - 0.2 * step);
        const Measurement m = measure(cuts);
        EXPECT_GT(m.tau, 0.35) << cuts.logIP.max;
        EXPECT_LT(m.tau, 0.55) << cuts.logIP.max;
        EXPECT_LT(m.tau, lowest + 2 * m.error) << cuts.logIP.max;
        lowest = std::min(lowest, m.tau);
    }
}
