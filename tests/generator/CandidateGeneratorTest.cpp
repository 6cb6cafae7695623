#include "CandidateGenerator.h"
#include "QuickLifetimeAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace vexelgen;
using Origin = CandidateSample::Origin;

namespace {

const CandidateSample& sample() {
    static const CandidateSample s = CandidateGenerator(streamSeed(20120601, 1)).generate(45000);
    return s;
}

double fraction(const std::vector<double>& v, double lo, double hi) {
    return std::count_if(v.begin(), v.end(), [&](double x) { return x >= lo && x <= hi; }) /
           static_cast<double>(v.size());
}

} // namespace

TEST(CandidateGeneratorTest, DistributionsOfTheCandidateFile) {
    const auto& s = sample();
    ASSERT_EQ(s.D0_MM.size(), 45000u);
    int signal = 0, secondary = 0;
    std::vector<double> signalPt, backgroundPt, promptIP, secondaryIP, backgroundIP;
    std::vector<int> massBins(200, 0);
    for (size_t i = 0; i < s.D0_MM.size(); ++i) {
        ASSERT_GE(s.D0_MM[i], 1815);
        ASSERT_LE(s.D0_MM[i], 1915);
        ASSERT_GT(s.D0_TAU[i], 0.05e-3); // ns: the efficiency is zero below 0.05 ps
        ASSERT_GE(s.D0_MINIP[i], 1e-4);
        ASSERT_LE(s.D0_MINIP[i], std::pow(10.0, 1.5));
        ASSERT_GT(s.D0_PT[i], 0);
        const double lip = std::log10(s.D0_MINIP[i]);
        massBins[std::min(199, static_cast<int>((s.D0_MM[i] - 1815) / 0.5))]++;
        switch (s.origin[i]) {
        case Origin::PromptSignal:
            ++signal;
            signalPt.push_back(s.D0_PT[i]);
            promptIP.push_back(lip);
            break;
        case Origin::SecondarySignal:
            ++signal;
            ++secondary;
            signalPt.push_back(s.D0_PT[i]);
            secondaryIP.push_back(lip);
            break;
        case Origin::Background:
            backgroundPt.push_back(s.D0_PT[i]);
            backgroundIP.push_back(lip);
            break;
        }
    }
    EXPECT_NEAR(signal, 25000, 600);
    EXPECT_NEAR(secondary / static_cast<double>(signal), 0.08, 0.01);
    EXPECT_LT(*std::max_element(massBins.begin(), massBins.end()), 1000);
    // Background falls gently: more at the low end than at the high end.
    const int low = std::accumulate(massBins.begin(), massBins.begin() + 20, 0);
    const int high = std::accumulate(massBins.end() - 20, massBins.end(), 0);
    EXPECT_GT(low, 1.15 * high);

    auto mean = [](const std::vector<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
    };
    EXPECT_NEAR(mean(promptIP), -2.0, 0.05);
    EXPECT_NEAR(mean(secondaryIP), -0.9, 0.08);
    EXPECT_NEAR(mean(backgroundIP), -1.3, 0.05);
    EXPECT_GT(mean(signalPt), mean(backgroundPt) + 500);
    // Most within the transverse-momentum controls' range, some outside so that cuts act.
    const double inside = fraction(signalPt, 2500, 20000);
    EXPECT_GT(inside, 0.8);
    EXPECT_LT(inside, 0.98);

    // Decay times: the efficiency is complete above 0.12 ps, so the prompt signal falls with
    // the true lifetime there (mean excess over 0.15 ps equals tau).
    double excess = 0;
    int counted = 0;
    for (size_t i = 0; i < s.D0_TAU.size(); ++i)
        if (s.origin[i] == Origin::PromptSignal && s.D0_TAU[i] * 1000 > 0.15) {
            excess += s.D0_TAU[i] * 1000 - 0.15;
            ++counted;
        }
    EXPECT_NEAR(excess / counted, CandidateGenerator::kLifetime, 0.012);
}

TEST(CandidateGeneratorTest, EfficiencyRisesFromZeroToComplete) {
    EXPECT_EQ(CandidateGenerator::efficiency(0.0), 0.0);
    EXPECT_EQ(CandidateGenerator::efficiency(0.05), 0.0);
    EXPECT_GT(CandidateGenerator::efficiency(0.08), 0.2);
    EXPECT_LT(CandidateGenerator::efficiency(0.08), 0.8);
    EXPECT_EQ(CandidateGenerator::efficiency(0.12), 1.0);
    EXPECT_EQ(CandidateGenerator::efficiency(0.15), 1.0);
}

// The lesson of the exercise, measured with an independent sideband subtraction and fit:
// secondary D0 mesons pull the lifetime up; a tight impact-parameter cut removes them.
TEST(CandidateGeneratorTest, ImpactParameterCutRecoversTheLifetime) {
    const auto& s = sample();
    const double lo = CandidateGenerator::kSignalMean - 3 * CandidateGenerator::kSignalSigma;
    const double hi = CandidateGenerator::kSignalMean + 3 * CandidateGenerator::kSignalSigma;
    QuickLifetimeCuts cuts;
    const auto open = quickLifetime(s.D0_MM, s.D0_PT, s.D0_TAU, s.D0_MINIP, cuts, lo, hi);
    ASSERT_TRUE(open.converged);
    EXPECT_GT(open.tau, 0.425);
    EXPECT_LT(open.tau, 0.47);
    cuts.logIPMax = -1.5;
    const auto tight = quickLifetime(s.D0_MM, s.D0_PT, s.D0_TAU, s.D0_MINIP, cuts, lo, hi);
    ASSERT_TRUE(tight.converged);
    EXPECT_NEAR(tight.tau, 0.4101, 0.015);
    double previous = open.tau;
    for (int step = 0; step <= 17; ++step) {
        cuts.logIPMax = 1.5 - 0.2 * step;
        const auto r = quickLifetime(s.D0_MM, s.D0_PT, s.D0_TAU, s.D0_MINIP, cuts, lo, hi);
        EXPECT_GT(r.tau, 0.35) << cuts.logIPMax;
        EXPECT_LT(r.tau, 0.55) << cuts.logIPMax;
        // Toward 0.41, within the statistical wobble.
        EXPECT_LT(r.tau, previous + 2 * r.tauError) << cuts.logIPMax;
        previous = std::min(previous, r.tau);
    }
}

TEST(CandidateGeneratorTest, SameSeedSameCandidates) {
    const auto a = CandidateGenerator(5).generate(1000);
    const auto b = CandidateGenerator(5).generate(1000);
    EXPECT_EQ(a.D0_MM, b.D0_MM);
    EXPECT_EQ(a.D0_TAU, b.D0_TAU);
    EXPECT_NE(a.D0_MM, CandidateGenerator(6).generate(1000).D0_MM);
}
