#include "analysis/SavedTrendPoints.h"
#include "analysis/TrendAxis.h"

#include <gtest/gtest.h>

#include <limits>

using analysis::SavedTrendPoints;
using analysis::TrendPoint;
using Check = SavedTrendPoints::Check;

TEST(TrendAxis, TrendTableAndEdges) {
    const TrendPoint p(-4.0, -1.5, 0.41, 0.01);
    EXPECT_EQ(analysis::lowerEdge(p), -4.0);
    EXPECT_EQ(analysis::upperEdge(p), -1.5);
    const auto t2 = analysis::trendAxisFor(2);
    ASSERT_TRUE(t2);
    EXPECT_EQ((*t2)(p), -1.5);
    EXPECT_EQ(t2->axisMin, -4.0);
    EXPECT_EQ(t2->axisMax, 2.0);
    EXPECT_EQ(analysis::trendAxisFor(1)->title, "D^{0} PT (GeV)");
    EXPECT_EQ((*analysis::trendAxisFor(1))(p), -4.0);
    EXPECT_EQ(analysis::trendAxisFor(3)->axisMax, 20.0);
    EXPECT_EQ((*analysis::trendAxisFor(4))(p), -4.0);
    EXPECT_FALSE(analysis::trendAxisFor(0));
    EXPECT_FALSE(analysis::trendAxisFor(5));
    EXPECT_EQ(analysis::trendCutFor(3), analysis::TrendCut::TransverseMomentum);
    EXPECT_EQ(analysis::trendCutFor(4), analysis::TrendCut::ImpactParameter);
    EXPECT_EQ(std::string(analysis::kTrendYTitle), "Fitted D^{0} lifetime (ps)");
}

TEST(SavedTrendPoints, CheckComparesConsecutiveEdgesWithinTwoEpsilon) {
    SavedTrendPoints t;
    EXPECT_EQ(t.check(2), Check::NoPoints);
    EXPECT_NE(t.check(2), Check::Consistent);

    t.save(2, TrendPoint(-4.0, 1.5, 0.43, 0.01));
    EXPECT_EQ(t.check(2), Check::Consistent); // a single point
    t.save(2, TrendPoint(-4.0, 0.5, 0.42, 0.01));
    t.save(2, TrendPoint(-4.0, -1.5, 0.41, 0.01));
    EXPECT_EQ(t.check(2), Check::Consistent); // only the upper edge moves

    // Lower edge changed between one pair, upper between another: warning.
    SavedTrendPoints u;
    u.save(2, TrendPoint(-4.0, 1.5, 0.43, 0.01));
    u.save(2, TrendPoint(-3.0, 1.5, 0.43, 0.01));
    u.save(2, TrendPoint(-3.0, 1.0, 0.43, 0.01));
    EXPECT_EQ(u.check(2), Check::BothEdgesVarying);
    EXPECT_NE(u.check(2), Check::Consistent);

    // Differences below 2 epsilon count as unchanged, above as changed.
    const double eps = std::numeric_limits<double>::epsilon();
    SavedTrendPoints v;
    v.save(4, TrendPoint(0.5, 0.5, 0.4, 0.01));
    v.save(4, TrendPoint(0.5 + eps, 0.5 + 2 * eps, 0.4, 0.01));
    EXPECT_EQ(v.check(4), Check::Consistent);
    SavedTrendPoints w;
    w.save(4, TrendPoint(1.0, 1.0, 0.4, 0.01));
    w.save(4, TrendPoint(1.0 + 2 * eps, 1.0 + 2 * eps, 0.4, 0.01)); // 2 eps: not below 2 eps
    EXPECT_NE(w.check(4), Check::Consistent);

    // Saving the same result twice keeps both; clearing empties but keeps nothing else.
    t.save(2, TrendPoint(-4.0, -1.5, 0.41, 0.01));
    EXPECT_EQ(t.points(2).size(), 4u);
    t.clear(2);
    EXPECT_TRUE(t.points(2).empty());
    EXPECT_EQ(t.check(2), Check::NoPoints);
}
