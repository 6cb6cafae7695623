#include "RootListing.h"
#include "RootioTestSupport.h"

#include "rootio/FileWriter.h"

#include <sstream>

using rootiotest::TempDir;

namespace {

std::string writeSample(const TempDir& dir) {
    rootio::Histogram1D h;
    h.name = "hist";
    h.title = "My histogram";
    h.doublePrecision = false;
    h.nbins = 2;
    h.xmin = 0;
    h.xmax = 1;
    h.contents = {0, 1, 2, 0};
    rootio::FileWriter w(dir.file("sample.root"));
    w.addHistogram(h);
    w.addDoubleTree("DecayTree", "candidates",
                    {{"D0_MM", {1865.5, 0.1, -3}}, {"D0_PT", {1, 2, 3}}});
    w.save();
    return dir.file("sample.root");
}

int run(std::vector<std::string> args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int rc = rootlisting::run(args, o, e);
    out = o.str();
    err = e.str();
    return rc;
}

} // namespace

TEST(Rootls, ListsKeysTreesAndValues) {
    TempDir dir;
    const std::string file = writeSample(dir);
    std::string out, err;
    ASSERT_EQ(run({file}, out, err), 0) << err;
    EXPECT_EQ(out, "hist;1       TH1F   My histogram\n"
                   "DecayTree;1  TTree  candidates\n");
    ASSERT_EQ(run({file, "DecayTree"}, out, err), 0) << err;
    EXPECT_EQ(out, "DecayTree: 3 entries, 2 branches\n"
                   "  D0_MM   double\n"
                   "  D0_PT   double\n");
    ASSERT_EQ(run({file, "DecayTree", "D0_MM", "D0_PT"}, out, err), 0) << err;
    EXPECT_EQ(out, "D0_MM\tD0_PT\n1865.5\t1\n0.1\t2\n-3\t3\n");
}

TEST(Rootls, EventBranchShowsParticleNames) {
    TempDir dir;
    rootio::TrackRecord a, b;
    a.particleId = "pi+";
    b.hasParticleId = false;
    rootio::FileWriter w(dir.file("ev.root"));
    w.addEventTree("MCEvent", {{a, b}, {}, {a}});
    w.save();
    std::string out, err;
    ASSERT_EQ(run({dir.file("ev.root"), "MCEvent"}, out, err), 0) << err;
    EXPECT_EQ(out, "MCEvent: 3 entries, 1 branches\n  event   TObjArray\n");
    ASSERT_EQ(run({dir.file("ev.root"), "MCEvent", "event"}, out, err), 0) << err;
    EXPECT_EQ(out, "event\n[pi+ -]\n[]\n[pi+]\n");
}

TEST(Rootls, ArraysAndStringsOfGenuineFiles) {
    SKIP_WITHOUT_GENUINE_FILES();
    std::string out, err;
    ASSERT_EQ(run({rootiotest::genuine("uproot-sample-6.20.04-zlib.root"), "sample", "n", "ai4",
                   "Ai2", "str"},
                  out, err),
              0)
        << err;
    std::istringstream lines(out);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "n\tai4\tAi2\tstr");
    EXPECT_EQ(first, "0\t[-14 -13 -12]\t[]\they-0");
    EXPECT_EQ(second, "1\t[-13 -12 -11]\t[-15]\they-1");
}

TEST(Rootls, HelpUsageAndErrors) {
    std::string out, err;
    EXPECT_EQ(run({"--help"}, out, err), 0);
    EXPECT_NE(out.find("Usage: vexel-rootls FILE [TREE [BRANCH...]]"), std::string::npos);
    EXPECT_EQ(run({}, out, err), 2);
    EXPECT_NE(err.find("Usage"), std::string::npos);
    EXPECT_EQ(run({"/nonexistent/file.root"}, out, err), 1);
    EXPECT_EQ(err.rfind("vexel-rootls: file.root: cannot open", 0), 0u) << err;
    TempDir dir;
    const std::string file = writeSample(dir);
    EXPECT_EQ(run({file, "DecayTree", "D0_TAU"}, out, err), 1);
    EXPECT_EQ(err, "vexel-rootls: sample.root: tree \"DecayTree\" has no branch \"D0_TAU\"\n");
}

TEST(Rootls, NumbersPrintShortestExactly) {
    EXPECT_EQ(rootlisting::formatNumber(0.1), "0.1");
    EXPECT_EQ(rootlisting::formatNumber(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(rootlisting::formatNumber(-9999), "-9999");
    EXPECT_EQ(rootlisting::formatNumber(1e300), "1e+300");
}
