#include "analysis/LifetimeFitter.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace analysis;

TEST(LifetimeFitter, InitialEstimateIsTheLineThroughTheLogOfPositiveBins) {
    Chi2Fitter::Points pts;
    pts.x = {0.5, 1.5, 2.5, 3.5, 4.5};
    pts.y = {100.0, 40.0, -3.0, 6.0, 0.0};
    pts.error = {10, 6, 2, 2.5, 1};
    const auto est = LifetimeFitter::initialEstimate(pts);
    ASSERT_TRUE(est);
    // Positive bins only: (0.5, ln 100), (1.5, ln 40), (3.5, ln 6).
    const double xs[3] = {0.5, 1.5, 3.5};
    const double ys[3] = {std::log(100.0), std::log(40.0), std::log(6.0)};
    const double mx = (xs[0] + xs[1] + xs[2]) / 3, my = (ys[0] + ys[1] + ys[2]) / 3;
    double sxy = 0, sxx = 0;
    for (int i = 0; i < 3; ++i) {
        sxy += (xs[i] - mx) * (ys[i] - my);
        sxx += (xs[i] - mx) * (xs[i] - mx);
    }
    EXPECT_NEAR(est->second, sxy / sxx, 1e-12);
    EXPECT_NEAR(est->first, my - sxy / sxx * mx, 1e-12);

    Chi2Fitter::Points one;
    one.x = {1.0, 2.0};
    one.y = {5.0, -1.0};
    one.error = {1, 1};
    EXPECT_EQ(LifetimeFitter::initialEstimate(one)->second, 0.0);
    one.y = {0.0, -1.0};
    EXPECT_FALSE(LifetimeFitter::initialEstimate(one));
}

TEST(LifetimeFitter, FitsExactExponentialAndRefusesEmptyRange) {
    Hist1D h("t", "t", 100, 0.15f, 10.15f);
    for (int b = 1; b <= 100; ++b) {
        const double v = std::exp(8.0 - h.binCenter(b) / 0.41);
        h.setBin(b, v, v > 1e-300 ? v : 0.0);
    }
    h.setBin(60, -0.5, 0.25); // a negative bin is fitted too (it only adds to the chi-square)
    const LifetimeFitResult r = LifetimeFitter::fit(h, {0.15f, 10.15f});
    ASSERT_TRUE(r.fit.valid) << r.fit.message;
    EXPECT_NEAR(r.tau, 0.41, 1e-4);
    EXPECT_NEAR(r.tauError, r.fit.errors[1] * r.tau * r.tau, 1e-12);
    EXPECT_EQ(r.fit.points, 100);
    EXPECT_DOUBLE_EQ(r.value(2.0), std::exp(r.fit.parameters[0] + 2.0 * r.fit.parameters[1]));

    // A range holding only negative or empty bins has nothing to fit.
    Hist1D neg("n", "n", 10, 0.0, 10.0);
    neg.setBin(2, -3.0, 4.0);
    const LifetimeFitResult none = LifetimeFitter::fit(neg, {0.0f, 10.0f});
    EXPECT_FALSE(none.fit.valid);
    EXPECT_TRUE(none.fit.noData);
    EXPECT_FALSE(none.fit.message.empty());
    EXPECT_EQ(none.tau, 0.0);
}
