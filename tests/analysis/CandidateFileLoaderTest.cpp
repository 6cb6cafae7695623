#include "analysis/CandidateFileLoader.h"

#include "rootio/FileWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

using analysis::CandidateFileError;
using analysis::CandidateFileLoader;

namespace {

std::string tempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("vexel_analysis_" + name)).string();
}

using Problem = CandidateFileError::Problem;

std::string loadError(const std::string& path, bool cannotOpen = false,
                      std::optional<Problem> problem = std::nullopt) {
    try {
        CandidateFileLoader::load(path);
    } catch (const CandidateFileError& e) {
        EXPECT_EQ(e.cannotOpen(), cannotOpen) << e.what();
        if (problem)
            EXPECT_EQ(e.problem(), *problem) << e.what();
        return e.what();
    }
    return "";
}

} // namespace

TEST(CandidateFileLoader, ReadsTheFourColumnsAndNamesWhatIsMissing) {
    const std::vector<double> mm{1860.5, 1870.25, 1820.0}, pt{3000, 4500.5, 2600},
        tau{4e-4, 1.2e-3, 2e-4}, ip{0.01, 0.2, 3e-4}, other{1, 2, 3};

    const std::string good = tempPath("good.root");
    {
        rootio::FileWriter w(good);
        w.addDoubleTree(
            "DecayTree", "candidates",
            {{"D0_PT", pt}, {"extra", other}, {"D0_MM", mm}, {"D0_MINIP", ip}, {"D0_TAU", tau}});
        w.save();
    }
    const analysis::CandidateColumns c = CandidateFileLoader::load(good);
    EXPECT_EQ(c.mass(), mm);
    EXPECT_EQ(c.pt(), pt);
    EXPECT_EQ(c.tau(), tau);
    EXPECT_EQ(c.minIP(), ip);
    EXPECT_DOUBLE_EQ(c.tauPs()[1], 1.2);
    EXPECT_DOUBLE_EQ(c.ptGeV()[0], 3.0);

    const std::string noTree = tempPath("notree.root");
    {
        rootio::FileWriter w(noTree);
        w.addDoubleTree("OtherTree", "", {{"D0_MM", mm}});
        w.save();
    }
    EXPECT_EQ(loadError(noTree, false, Problem::NoTree),
              "vexel_analysis_notree.root: no tree \"DecayTree\"");

    const std::string noBranch = tempPath("nobranch.root");
    {
        rootio::FileWriter w(noBranch);
        w.addDoubleTree("DecayTree", "", {{"D0_MM", mm}, {"D0_PT", pt}, {"D0_MINIP", ip}});
        w.save();
    }
    EXPECT_EQ(loadError(noBranch, false, Problem::MissingBranch),
              "vexel_analysis_nobranch.root: tree \"DecayTree\" has no branch \"D0_TAU\"");

    const std::string missing = tempPath("does_not_exist.root");
    std::remove(missing.c_str());
    const std::string message = loadError(missing, true, Problem::Missing);
    EXPECT_NE(message.find("vexel_analysis_does_not_exist.root"), std::string::npos) << message;

    // An object "DecayTree" that is not a tree, a file that is not ROOT, a cut-off file.
    const std::string histogram = tempPath("histogram.root");
    {
        rootio::FileWriter w(histogram);
        rootio::Histogram1D h;
        h.name = "DecayTree";
        h.nbins = 2;
        h.xmax = 1;
        h.contents = {0, 1, 2, 0};
        w.addHistogram(h);
        w.save();
    }
    loadError(histogram, false, Problem::NotATree);
    const std::string text = tempPath("text.root");
    std::ofstream(text) << "not a ROOT file\n";
    loadError(text, true, Problem::NotRootFile);
    const std::string truncated = tempPath("truncated.root");
    std::filesystem::copy_file(good, truncated, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(truncated, std::filesystem::file_size(good) - 300);
    try {
        CandidateFileLoader::load(truncated);
        ADD_FAILURE() << "a cut-off file was read";
    } catch (const CandidateFileError& e) {
        EXPECT_TRUE(e.problem() == Problem::Damaged || e.problem() == Problem::NotRootFile)
            << e.what();
    }

    for (const auto& p : {good, noTree, noBranch, histogram, text, truncated})
        std::remove(p.c_str());
}
