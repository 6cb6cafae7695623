#include "analysis/LifetimeResultsFile.h"
#include "rootio/Error.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"
#include "studentfiles/StudentFileName.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace analysis;
using studentfiles::lifetimeResultsPath;

TEST(LifetimeResultsFile, RoundTripFromTheSavedTrendsKeepsEveryResultAndTheMassFit) {
    const vexel::test::TemporaryFolder dirFolder("vexel-lifetimefile");
    const fs::path dir = dirFolder.path();
    std::map<int, std::vector<analysis::TrendPoint>> saved;
    saved[2] = {{-4.0, -1.5, 0.4123, 0.0101}, {-4.0, -1.0, 0.4087, 0.0093}};
    saved[1] = {{3.5, 20.0, 0.3999, 0.0150}};
    MassFitResult fit;
    fit.fit.valid = true;
    fit.fit.parameters = {80, 1864.91, 7.2, 0.01, 3};
    fit.fit.errors = {2, 0.35, 0.3, 0.001, 1};
    fit.signal = 1234;
    fit.background = 567;
    const std::string path = lifetimeResultsPath(dir.string() + "/", 17, "Ana/Pop_12");
    EXPECT_EQ(fs::path(path).filename(), "D0Lifetime_17_Ana_Pop_12.root");

    writeLifetimeResults(path, lifetimeResultsFrom(saved, fit));
    const LifetimeResults back = readLifetimeResults(path);
    ASSERT_EQ(back.lifetimes.size(), 3u);
    EXPECT_EQ(back.lifetimes[0].trend, 1);
    EXPECT_EQ(back.lifetimes[0].cutMin, 3.5);
    EXPECT_EQ(back.lifetimes[2].trend, 2);
    EXPECT_EQ(back.lifetimes[2].cutMax, -1.0);
    EXPECT_EQ(back.lifetimes[2].lifetime, 0.4087);
    EXPECT_EQ(back.lifetimes[2].error, 0.0093);
    ASSERT_TRUE(back.massFit);
    EXPECT_EQ(back.massFit->mean, 1864.91);
    EXPECT_EQ(back.massFit->meanError, 0.35);
    EXPECT_EQ(back.massFit->sigma, 7.2);
    EXPECT_EQ(back.massFit->signal, 1234);
    EXPECT_EQ(back.massFit->background, 567);

    // No mass fit yet, one result: the mass-fit tree is empty.
    writeLifetimeResults(path, lifetimeResultsFrom({{2, {{-4, 0, 0.41, 0.01}}}}, std::nullopt));
    const LifetimeResults second = readLifetimeResults(path);
    EXPECT_EQ(second.lifetimes.size(), 1u);
    EXPECT_FALSE(second.massFit);

    // A failed write throws and leaves the previous file as it was, without temporary files.
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir.c_str(), W_OK) != 0) {
        EXPECT_THROW(writeLifetimeResults(path, lifetimeResultsFrom(saved, fit)), rootio::Error);
        EXPECT_EQ(readLifetimeResults(path).lifetimes.size(), 1u);
    }
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_THROW(writeLifetimeResults((dir / "missing" / "x.root").string(), {}), rootio::Error);
    fs::remove_all(dir);
}

TEST(LifetimeResultsFile, ForeignAndDamagedFilesAreRefused) {
    const vexel::test::TemporaryFolder dirFolder("vexel-lifetimefile-bad");
    const fs::path dir = dirFolder.path();
    const std::string hist = (dir / "hist.root").string();
    rootio::Histogram1D h;
    h.name = "hist";
    h.title = "My histogram";
    h.nbins = 2;
    h.xmin = 0;
    h.xmax = 1;
    h.contents = {0, 1, 2, 0};
    rootio::FileWriter w(hist);
    w.addHistogram(h);
    w.save();
    EXPECT_THROW(readLifetimeResults(hist), rootio::Error);

    const std::string good = (dir / "good.root").string();
    writeLifetimeResults(good, lifetimeResultsFrom({{2, {{-4, 0, 0.41, 0.01}}}}, std::nullopt));
    fs::resize_file(good, fs::file_size(good) / 2);
    EXPECT_THROW(readLifetimeResults(good), rootio::Error);
    std::ofstream(dir / "text.root") << "not a ROOT file\n";
    EXPECT_THROW(readLifetimeResults((dir / "text.root").string()), rootio::Error);

    // A trend id no int holds is refused before it is converted.
    const std::string huge = (dir / "huge.root").string();
    rootio::FileWriter hw(huge);
    hw.addDoubleTree("LifetimeResults", "",
                     {{"trend", {1e30}},
                      {"cutMin", {0}},
                      {"cutMax", {1}},
                      {"lifetime", {0.4}},
                      {"lifetimeError", {0.01}}});
    hw.save();
    EXPECT_THROW(readLifetimeResults(huge), rootio::Error);
    fs::remove_all(dir);
}
