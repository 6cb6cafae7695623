#include "analysis/RootHistogramConversion.h"

#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

TEST(RootHistogramConversion, SubtractedHistogramSurvivesAFileRoundTrip) {
    analysis::Hist1D sig("D0TAU Sig", "D0TAU Sig", 10, 0.15f, 10.15f),
        bkg("b", "b", 10, 0.15f, 10.15f);
    sig.setAxisTitles("D^{0} decay time (ps)", "D^{0} Candidate Fraction");
    for (double t : {0.2, 0.3, 1.4, 5.0, 12.0})
        sig.fill(t);
    for (double t : {0.2, 5.0, 5.1, 0.1})
        bkg.fill(t);
    sig.add(bkg, -0.75);

    const rootio::Histogram1D h = analysis::toRootHistogram(sig);
    ASSERT_EQ(h.contents.size(), 12u);
    EXPECT_EQ(h.name, "D0TAU Sig");
    EXPECT_TRUE(h.doublePrecision);
    EXPECT_DOUBLE_EQ(h.contents[1], 2.0 - 0.75);
    EXPECT_DOUBLE_EQ(h.sumw2[1], 2.0 + 0.75 * 0.75);
    EXPECT_DOUBLE_EQ(h.contents[0], -0.75);
    EXPECT_DOUBLE_EQ(h.contents[11], 1.0);

    const std::string path =
        (std::filesystem::temp_directory_path() / "vexel_analysis_hist.root").string();
    {
        rootio::FileWriter w(path);
        w.addHistogram(h);
        w.save();
    }
    const rootio::Histogram1D back = rootio::FileReader(path).readHistogram("D0TAU Sig");
    EXPECT_EQ(back.nbins, 10);
    EXPECT_DOUBLE_EQ(back.xmin, static_cast<double>(0.15f));
    EXPECT_EQ(back.contents, h.contents);
    EXPECT_EQ(back.sumw2, h.sumw2);
    EXPECT_EQ(back.xTitle, "D^{0} decay time (ps)");
    std::remove(path.c_str());
}
