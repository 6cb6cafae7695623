#include "analysis/FitResultTrends.h"
#include "analysis/FitResults.h"

#include <gtest/gtest.h>

#include <limits>

using analysis::FitResultTrends;
using FitResults::FitPoint;
using Check = FitResultTrends::Check;

TEST(FitResults, TrendTableAndGetters) {
    const FitPoint p(-4.0, -1.5, 0.41, 0.01);
    EXPECT_EQ(FitResults::min(p), -4.0);
    EXPECT_EQ(FitResults::max(p), -1.5);
    const auto t2 = FitResults::trendFor(2);
    ASSERT_TRUE(t2);
    EXPECT_EQ((*t2)(p), -1.5);
    EXPECT_EQ(t2->axisMin, -4.0);
    EXPECT_EQ(t2->axisMax, 2.0);
    EXPECT_EQ(FitResults::trendFor(1)->title, "D^{0} PT (GeV)");
    EXPECT_EQ((*FitResults::trendFor(1))(p), -4.0);
    EXPECT_EQ(FitResults::trendFor(3)->axisMax, 20.0);
    EXPECT_EQ((*FitResults::trendFor(4))(p), -4.0);
    EXPECT_FALSE(FitResults::trendFor(0));
    EXPECT_FALSE(FitResults::trendFor(5));
    EXPECT_EQ(FitResults::cutFor(3), FitResults::TrendCut::TransverseMomentum);
    EXPECT_EQ(FitResults::cutFor(4), FitResults::TrendCut::ImpactParameter);
    EXPECT_EQ(std::string(FitResults::kTrendYTitle), "Fitted D^{0} lifetime (ps)");
}

TEST(FitResultTrends, CheckTrendComparesConsecutiveEdgesWithinTwoEpsilon) {
    FitResultTrends t;
    EXPECT_EQ(t.check(2), Check::NoPoints);
    EXPECT_FALSE(t.CheckTrend(2));

    t.save(2, FitPoint(-4.0, 1.5, 0.43, 0.01));
    EXPECT_TRUE(t.CheckTrend(2)); // a single point
    t.save(2, FitPoint(-4.0, 0.5, 0.42, 0.01));
    t.save(2, FitPoint(-4.0, -1.5, 0.41, 0.01));
    EXPECT_TRUE(t.CheckTrend(2)); // only the upper edge moves

    // Lower edge changed between one pair, upper between another: warning.
    FitResultTrends u;
    u.save(2, FitPoint(-4.0, 1.5, 0.43, 0.01));
    u.save(2, FitPoint(-3.0, 1.5, 0.43, 0.01));
    u.save(2, FitPoint(-3.0, 1.0, 0.43, 0.01));
    EXPECT_EQ(u.check(2), Check::BothEdgesVarying);
    EXPECT_FALSE(u.CheckTrend(2));

    // Differences below 2 epsilon count as unchanged, above as changed.
    const double eps = std::numeric_limits<double>::epsilon();
    FitResultTrends v;
    v.save(4, FitPoint(0.5, 0.5, 0.4, 0.01));
    v.save(4, FitPoint(0.5 + eps, 0.5 + 2 * eps, 0.4, 0.01));
    EXPECT_TRUE(v.CheckTrend(4));
    FitResultTrends w;
    w.save(4, FitPoint(1.0, 1.0, 0.4, 0.01));
    w.save(4, FitPoint(1.0 + 2 * eps, 1.0 + 2 * eps, 0.4, 0.01)); // 2 eps: not below 2 eps
    EXPECT_FALSE(w.CheckTrend(4));

    // Saving the same result twice keeps both; clearing empties but keeps nothing else.
    t.save(2, FitPoint(-4.0, -1.5, 0.41, 0.01));
    EXPECT_EQ(t.points(2).size(), 4u);
    t.clear(2);
    EXPECT_TRUE(t.points(2).empty());
    EXPECT_EQ(t.check(2), Check::NoPoints);
}

TEST(FitResultTrends, PadsAreHandedOutOneToFourThenAgainFromOne) {
    FitResultTrends t;
    t.trendCanvasCreated();
    EXPECT_EQ(t.nextPad(), 1u);
    EXPECT_EQ(t.padFor(2), 1u);
    EXPECT_EQ(t.padFor(1), 2u);
    EXPECT_EQ(t.padFor(2), 1u);
    EXPECT_EQ(t.padFor(3), 3u);
    EXPECT_EQ(t.padFor(4), 4u);
    EXPECT_EQ(t.padFor(7), 1u); // wraps
    EXPECT_EQ(t.assignedPad(3), std::optional<unsigned>(3u));
    t.clear(3);
    EXPECT_EQ(t.assignedPad(3), std::optional<unsigned>(3u));

    // A new trend canvas forgets the pads but not the points.
    t.save(2, FitPoint(-4, 1.5, 0.4, 0.01));
    t.trendCanvasCreated();
    EXPECT_FALSE(t.assignedPad(2));
    EXPECT_EQ(t.points(2).size(), 1u);
    EXPECT_EQ(t.padFor(4), 1u);

    t.reset();
    EXPECT_TRUE(t.points(2).empty());
    EXPECT_FALSE(t.assignedPad(4));
    EXPECT_EQ(t.nextPad(), 1u);
}
