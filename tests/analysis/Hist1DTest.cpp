#include "analysis/Hist1D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using analysis::Hist1D;

TEST(Hist1D, BinNumbersFromOneWithUnderAndOverflow) {
    Hist1D h("h", "title", 200, 1815.0, 1915.0);
    EXPECT_EQ(h.nbins(), 200);
    EXPECT_DOUBLE_EQ(h.binWidth(), 0.5);
    EXPECT_DOUBLE_EQ(h.binLowEdge(1), 1815.0);
    EXPECT_DOUBLE_EQ(h.binCenter(1), 1815.25);
    EXPECT_DOUBLE_EQ(h.binCenter(200), 1914.75);
    EXPECT_EQ(h.findBin(1815.0), 1);
    EXPECT_EQ(h.findBin(1815.4999), 1);
    EXPECT_EQ(h.findBin(1815.5), 2);
    EXPECT_EQ(h.findBin(1814.9999), 0);
    EXPECT_EQ(h.findBin(1915.0), 201); // the upper edge belongs to the overflow
    EXPECT_EQ(h.findBin(std::numeric_limits<double>::quiet_NaN()), 201);

    h.fill(1800.0);
    h.fill(1915.0);
    h.fill(1815.0, 2.0);
    h.fill(1815.2, 3.0);
    EXPECT_DOUBLE_EQ(h.binContent(0), 1.0);
    EXPECT_DOUBLE_EQ(h.binContent(201), 1.0);
    EXPECT_DOUBLE_EQ(h.binContent(1), 5.0);
    EXPECT_DOUBLE_EQ(h.sumw2(1), 13.0);
    EXPECT_DOUBLE_EQ(h.binError(1), std::sqrt(13.0));
    EXPECT_DOUBLE_EQ(h.entries(), 4.0);
    EXPECT_DOUBLE_EQ(h.integral(), 5.0);       // bins 1 ... N only
    EXPECT_DOUBLE_EQ(h.integral(0, 201), 7.0); // with under- and overflow
    EXPECT_THROW(h.binContent(202), std::out_of_range);
    EXPECT_THROW(h.binContent(-1), std::out_of_range);
    EXPECT_THROW(Hist1D("bad", "", 0, 0.0, 1.0), std::invalid_argument);
    EXPECT_THROW(Hist1D("bad", "", 10, 1.0, 1.0), std::invalid_argument);
}

TEST(Hist1D, FillManyResetAndSetBin) {
    Hist1D h("h", "t", 10, 0.0, 10.0);
    h.setAxisTitles("x", "y");
    const std::vector<double> xs{0.5, 0.7, 3.2, -1.0, 11.0, 9.99};
    h.fillMany(xs.data(), xs.size());
    EXPECT_DOUBLE_EQ(h.binContent(1), 2.0);
    EXPECT_DOUBLE_EQ(h.sumw2(1), 2.0);
    EXPECT_DOUBLE_EQ(h.binContent(4), 1.0);
    EXPECT_DOUBLE_EQ(h.binContent(10), 1.0);
    EXPECT_DOUBLE_EQ(h.binContent(0), 1.0);
    EXPECT_DOUBLE_EQ(h.binContent(11), 1.0);
    EXPECT_DOUBLE_EQ(h.entries(), 6.0);

    h.reset();
    for (int b = 0; b <= 11; ++b) {
        EXPECT_EQ(h.binContent(b), 0.0);
        EXPECT_EQ(h.sumw2(b), 0.0);
    }
    EXPECT_EQ(h.entries(), 0.0);
    EXPECT_EQ(h.nbins(), 10);
    EXPECT_EQ(h.xTitle(), "x");

    h.setBin(3, -2.5, 4.0);
    EXPECT_DOUBLE_EQ(h.binContent(3), -2.5);
    EXPECT_DOUBLE_EQ(h.binError(3), 2.0);
}

TEST(Hist1D, AddScaledPropagatesSquaredWeights) {
    Hist1D sig("s", "s", 4, 0.0, 4.0), bkg("b", "b", 4, 0.0, 4.0);
    for (int i = 0; i < 10; ++i)
        sig.fill(0.5);
    for (int i = 0; i < 4; ++i)
        bkg.fill(0.5);
    bkg.fill(2.5, 2.0);
    bkg.fill(-3.0);
    sig.add(bkg, -0.5);
    EXPECT_DOUBLE_EQ(sig.binContent(1), 8.0);
    EXPECT_DOUBLE_EQ(sig.sumw2(1), 10.0 + 0.25 * 4.0);
    EXPECT_DOUBLE_EQ(sig.binContent(3), -1.0);
    EXPECT_DOUBLE_EQ(sig.sumw2(3), 0.25 * 4.0);
    EXPECT_DOUBLE_EQ(sig.binContent(0), -0.5); // underflow follows too
    // The subtracted histogram is unchanged.
    EXPECT_DOUBLE_EQ(bkg.binContent(1), 4.0);

    Hist1D other("o", "o", 5, 0.0, 4.0);
    EXPECT_THROW(sig.add(other, 1.0), std::invalid_argument);
}

TEST(Hist1D, NormalisedCopySumsToOneAndNoneForZeroSum) {
    Hist1D h("h", "h", 4, 0.0, 4.0);
    EXPECT_FALSE(h.normalised().has_value());
    h.fill(0.5, 3.0);
    h.fill(1.5, 1.0);
    h.fill(7.0, 100.0); // overflow does not count
    const auto n = h.normalised();
    ASSERT_TRUE(n.has_value());
    EXPECT_DOUBLE_EQ(n->integral(), 1.0);
    EXPECT_DOUBLE_EQ(n->binContent(1), 0.75);
    EXPECT_DOUBLE_EQ(n->binError(1), 3.0 / 4.0);
    EXPECT_DOUBLE_EQ(h.binContent(1), 3.0); // the original keeps absolute counts

    // Positive and negative contents cancelling: nothing to normalise.
    Hist1D c("c", "c", 4, 0.0, 4.0);
    c.fill(0.5, 2.0);
    c.fill(2.5, -2.0);
    EXPECT_FALSE(c.normalised().has_value());
}
