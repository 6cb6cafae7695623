#include "analysis/Chi2Fitter.h"
#include "analysis/ExponentialModel.h"
#include "analysis/GaussianPlusLineModel.h"
#include "analysis/MassFitter.h"
#include "analysis/ParameterTransform.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace analysis;

namespace {

class LineModel : public FitModel {
public:
    int numberOfParameters() const override { return 2; }
    double value(double x, const double* p) const override { return p[0] + p[1] * x; }
    void gradient(double x, const double*, double* g) const override {
        g[0] = 1.0;
        g[1] = x;
    }
};

class ConstantModel : public FitModel {
public:
    int numberOfParameters() const override { return 1; }
    double value(double, const double* p) const override { return p[0]; }
    void gradient(double, const double*, double* g) const override { g[0] = 1.0; }
};

} // namespace

TEST(ParameterTransform, RoundTripsDerivativesAndErrors) {
    const ParameterTransform both(FitParameter{"p", 0.0, 0.0, 50.0});
    const ParameterTransform lower(FitParameter{"p", 0.0, 2.0, std::nullopt});
    const ParameterTransform upper(FitParameter{"p", 0.0, std::nullopt, -1.0});
    const ParameterTransform free(FitParameter{"p", 0.0, std::nullopt, std::nullopt});
    EXPECT_NEAR(both.toExternal(both.toInternal(7.5)), 7.5, 1e-12);
    EXPECT_NEAR(lower.toExternal(lower.toInternal(9.0)), 9.0, 1e-12);
    EXPECT_NEAR(upper.toExternal(upper.toInternal(-4.0)), -4.0, 1e-12);
    EXPECT_EQ(free.toInternal(3.25), 3.25);
    // Starts on or beyond a limit are pulled just inside.
    EXPECT_GT(both.toExternal(both.toInternal(50.0)), 49.999);
    EXPECT_LT(both.toExternal(both.toInternal(80.0)), 50.0);
    EXPECT_GE(both.toExternal(both.toInternal(-3.0)), 0.0);

    for (const ParameterTransform* t : {&both, &lower, &upper}) {
        for (double q : {-1.2, 0.3, 0.9}) {
            const double h = 1e-6;
            const double numeric = (t->toExternal(q + h) - t->toExternal(q - h)) / (2 * h);
            EXPECT_NEAR(t->derivative(q), numeric, 1e-7);
        }
    }
    // Small internal errors map through the slope of the transform.
    const double q = both.toInternal(7.5);
    EXPECT_NEAR(both.externalError(q, 1e-4), std::fabs(both.derivative(q)) * 1e-4, 1e-9);
    // An internal error above 1 on a doubly bounded parameter spans the range (MINUIT's rule).
    EXPECT_GT(both.externalError(q, 2.0), 25.0);
    EXPECT_EQ(free.externalError(1.0, 0.25), 0.25);
}

TEST(Chi2Fitter, LinearModelMatchesClosedFormWeightedLeastSquares) {
    Hist1D h("h", "h", 20, 0.0, 20.0);
    const double contents[20] = {12, 15, 11, 19, 22, 18, 25, 24, 30, 27,
                                 33, 29, 36, 38, 35, 41, 44, 40, 47, 50};
    for (int b = 1; b <= 20; ++b)
        h.setBin(b, contents[b - 1], contents[b - 1]);
    // One bin with content but zero error is not used; range by bin centre 2.5 ... 17.5.
    h.setBin(10, 1000.0, 0.0);
    const auto pts = Chi2Fitter::selectPoints(h, 2.5, 17.5);
    ASSERT_EQ(pts.size(), 15u);
    EXPECT_DOUBLE_EQ(pts.x.front(), 2.5);
    EXPECT_DOUBLE_EQ(pts.x.back(), 17.5);

    double s = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const double w = 1.0 / (pts.error[i] * pts.error[i]);
        s += w;
        sx += w * pts.x[i];
        sxx += w * pts.x[i] * pts.x[i];
        sy += w * pts.y[i];
        sxy += w * pts.x[i] * pts.y[i];
    }
    const double det = s * sxx - sx * sx;
    const double slope = (s * sxy - sx * sy) / det;
    const double intercept = (sxx * sy - sx * sxy) / det;

    const Chi2FitResult r = Chi2Fitter::fit(
        h, LineModel(),
        {{"a", 0.0, std::nullopt, std::nullopt}, {"b", 0.0, std::nullopt, std::nullopt}}, 2.5,
        17.5);
    ASSERT_TRUE(r.valid) << r.message;
    EXPECT_NEAR(r.parameters[0], intercept, 1e-8);
    EXPECT_NEAR(r.parameters[1], slope, 1e-9);
    EXPECT_NEAR(r.errors[0], std::sqrt(sxx / det), 1e-6 * std::sqrt(sxx / det));
    EXPECT_NEAR(r.errors[1], std::sqrt(s / det), 1e-6 * std::sqrt(s / det));
    EXPECT_NEAR(r.covarianceAt(0, 1), -sx / det, 1e-6 * std::fabs(sx / det));
    EXPECT_EQ(r.points, 15);
    EXPECT_EQ(r.ndf, 13);
    double chi2 = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const double d = (intercept + slope * pts.x[i] - pts.y[i]) / pts.error[i];
        chi2 += d * d;
    }
    EXPECT_NEAR(r.chi2, chi2, 1e-8);
}

TEST(Chi2Fitter, GaussianOnLineConvergesFromZeroBackgroundStart) {
    // Exact model contents: the fit must find the generating parameters.
    const double truth[5] = {300.0, 1864.8, 7.5, -0.4, 900.0};
    GaussianPlusLineModel model;
    Hist1D h("m", "m", 200, 1815.0, 1915.0);
    for (int b = 1; b <= 200; ++b) {
        const double v = model.value(h.binCenter(b), truth);
        h.setBin(b, v, v);
    }
    const std::vector<FitParameter> pars{{"h", 80.0, 0.0, 1e9},
                                         {"m", 1865.0, 1815.0, 1915.0},
                                         {"s", 1.0, 0.0, 50.0},
                                         {"a", 0.0, std::nullopt, std::nullopt},
                                         {"b", 0.0, std::nullopt, std::nullopt}};
    const Chi2FitResult r = Chi2Fitter::fit(h, model, pars, 1815.0, 1915.0);
    ASSERT_TRUE(r.valid) << r.message;
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(r.parameters[k], truth[k], 1e-6 * (std::fabs(truth[k]) + 1.0)) << k;
    EXPECT_LT(r.chi2, 1e-10);
    for (int k = 0; k < 5; ++k)
        EXPECT_GT(r.errors[k], 0.0);
}

TEST(Chi2Fitter, LimitsHoldAndEmptyRangesAreRefused) {
    Hist1D h("h", "h", 10, 0.0, 10.0);
    for (int b = 1; b <= 10; ++b)
        h.setBin(b, 5.0, 1.0);
    const Chi2FitResult bounded =
        Chi2Fitter::fit(h, ConstantModel(), {{"c", 0.5, 0.0, 1.0}}, 0.0, 10.0);
    ASSERT_TRUE(bounded.valid) << bounded.message;
    EXPECT_LE(bounded.parameters[0], 1.0);
    EXPECT_GT(bounded.parameters[0], 0.999);

    const Chi2FitResult none = Chi2Fitter::fit(h, ConstantModel(), {{"c", 0.5}}, 20.0, 30.0);
    EXPECT_FALSE(none.valid);
    EXPECT_TRUE(none.noData);
    EXPECT_FALSE(none.message.empty());

    Hist1D empty("e", "e", 10, 0.0, 10.0);
    const Chi2FitResult e =
        Chi2Fitter::fit(empty, ExponentialModel(), {{"a", 0.0}, {"b", 0.0}}, 0.0, 10.0);
    EXPECT_FALSE(e.valid);
    EXPECT_TRUE(e.noData);

    // One usable bin cannot determine two parameters.
    empty.setBin(4, 3.0, 3.0);
    const Chi2FitResult one =
        Chi2Fitter::fit(empty, ExponentialModel(), {{"a", 0.0}, {"b", 0.0}}, 0.0, 10.0);
    EXPECT_FALSE(one.valid);
    EXPECT_TRUE(one.noData);
}

TEST(MassFitter, ReachesThePeakFromTheNarrowStartOnLargeSamples) {
    // Peaks of up to a million candidates, [3] and [4] starting at 0: a single descent
    // from width 1 can shrink the Gaussian onto one bin (it does for 14600 on 4500).
    GaussianPlusLineModel model;
    for (double height : {1000.0, 14600.0, 30000.0}) {
        for (double bkg : {500.0, 4500.0}) {
            const double truth[5] = {height, 1864.8, 7.5, -bkg * 3e-4, bkg * (1 + 0.3 * 1.815)};
            Hist1D h("m", "m", 200, 1815.0, 1915.0);
            for (int b = 1; b <= 200; ++b) {
                const double v = model.value(h.binCenter(b), truth);
                h.setBin(b, v, v);
            }
            MassFitter fitter;
            MassWindows w;
            w.signal = {1842.3f, 1887.3f};
            const MassFitResult r = fitter.fit(h, w);
            ASSERT_TRUE(r.fit.valid) << height << " " << bkg << ": " << r.fit.message;
            for (int k = 0; k < 5; ++k)
                EXPECT_NEAR(r.fit.parameters[k], truth[k], 1e-5 * (std::fabs(truth[k]) + 1.0))
                    << height << " " << bkg << " [" << k << "]";
        }
    }
}
