// Everything FileWriter writes reads back identically, and the file is laid out as ROOT
// lays it out.
#include "RootioTestSupport.h"
#include "SampleHistograms.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

using rootio::FileReader;
using rootio::FileWriter;
using rootiotest::TempDir;

namespace {

rootio::Histogram1D massHistogram() {
    rootio::Histogram1D h = rootiotest::studentMassHistogram();
    for (int i = 0; i < 52; ++i)
        h.contents[i] = (i * 7) % 11;
    h.entries = 240;
    return h;
}

rootio::TrackRecord track(int k) {
    rootio::TrackRecord t;
    t.mass = 139.57018 + k;
    t.E = 1000.5 + k;
    t.px = -12.25 * k;
    t.py = 3.125;
    t.pz = 4000.0 / (k + 1);
    t.chi2 = 1.5;
    t.q = k % 2 ? 1 : -1;
    t.particleId = k % 2 ? "pi+" : "K-";
    t.points = {{1.5f * k, -2.25f, 100.f}, {10.f, 20.f, 12000.5f}};
    t.pvx = 0.01 * k;
    t.zFirstMeasurement = 35.5;
    return t;
}

// Follows records from fBEGIN by their lengths; returns where the walk ends.
std::int64_t walkRecords(const std::vector<std::uint8_t>& b) {
    std::int64_t at = rootiotest::be32(b, 8);
    const std::int64_t end = rootiotest::be32(b, 12);
    while (at < end) {
        const auto n = static_cast<std::int32_t>(rootiotest::be32(b, static_cast<std::size_t>(at)));
        if (n <= 0)
            return -1;
        at += n;
    }
    return at;
}

} // namespace

TEST(RoundTrip, HistogramsKeepEveryBinTitleAndSquaredWeight) {
    TempDir dir;
    const auto f = massHistogram();
    rootio::Histogram1D d = rootiotest::canvasMassHistogram();
    for (int i = 0; i < 202; ++i) {
        d.contents.push_back(std::sin(i) * 100.123456789);
        d.sumw2.push_back(i * 0.25);
    }
    d.entries = 1e6 + 0.5;
    FileWriter w(dir.file("h.root"));
    w.addHistogram(f);
    w.addHistogram(d);
    w.save();

    const FileReader r(dir.file("h.root"));
    ASSERT_EQ(r.keys().size(), 2u);
    EXPECT_EQ(r.className("hist"), "TH1F");
    EXPECT_EQ(r.className("D0Mass"), "TH1D");
    const auto f2 = r.readHistogram("hist");
    EXPECT_EQ(f2.title, "My histogram");
    EXPECT_FALSE(f2.doublePrecision);
    EXPECT_EQ(f2.nbins, 50);
    EXPECT_EQ(f2.xmin, 1815);
    EXPECT_EQ(f2.xmax, 1915);
    EXPECT_EQ(f2.contents, f.contents);
    EXPECT_TRUE(f2.sumw2.empty());
    EXPECT_EQ(f2.entries, 240);
    const auto d2 = r.readHistogram("D0Mass");
    EXPECT_TRUE(d2.doublePrecision);
    EXPECT_EQ(d2.contents, d.contents); // doubles stored exactly
    EXPECT_EQ(d2.sumw2, d.sumw2);
    EXPECT_EQ(d2.entries, d.entries);
    EXPECT_EQ(d2.xTitle, d.xTitle);
    EXPECT_EQ(d2.yTitle, d.yTitle);
    // A TH1F holds single precision: values round to float.
    FileWriter w2(dir.file("f.root"));
    auto g = f;
    g.contents[3] = 0.1;
    w2.addHistogram(g);
    w2.save();
    EXPECT_EQ(FileReader(dir.file("f.root")).readHistogram("hist").contents[3],
              static_cast<double>(0.1f));
}

TEST(RoundTrip, GraphsWithAndWithoutPointsAndAxisTitles) {
    TempDir dir;
    rootio::Graph a;
    a.name = "fit";
    a.title = "Mass fit";
    for (int i = 0; i < 100; ++i) {
        a.x.push_back(1815 + i);
        a.y.push_back(std::exp(-i / 10.0));
    }
    a.xTitle = "m";
    a.yTitle = "N";
    rootio::Graph empty;
    empty.name = "none";
    FileWriter w(dir.file("g.root"));
    w.addGraph(a);
    w.addGraph(empty);
    w.save();
    const FileReader r(dir.file("g.root"));
    const auto a2 = r.readGraph("fit");
    EXPECT_EQ(a2.title, "Mass fit");
    EXPECT_EQ(a2.x, a.x);
    EXPECT_EQ(a2.y, a.y);
    EXPECT_EQ(a2.xTitle, "m");
    EXPECT_EQ(a2.yTitle, "N");
    const auto e2 = r.readGraph("none");
    EXPECT_TRUE(e2.x.empty());
    EXPECT_TRUE(e2.xTitle.empty());
    rootio::Graph bad;
    bad.name = "bad";
    bad.x = {1, 2};
    bad.y = {1};
    EXPECT_THROW(w.addGraph(bad), rootio::Error);
}

TEST(RoundTrip, DoubleTreeSpreadOverSeveralBaskets) {
    TempDir dir;
    const int n = 10007; // not a multiple of the basket size
    std::vector<std::pair<std::string, std::vector<double>>> columns = {
        {"D0_MM", {}}, {"D0_PT", {}}, {"D0_TAU", {}}, {"D0_MINIP", {}}};
    for (int i = 0; i < n; ++i)
        for (std::size_t c = 0; c < columns.size(); ++c)
            columns[c].second.push_back(std::cos(i * 0.37 + c) * 1e3 + i);
    columns[2].second[5] = -0.0;
    columns[3].second[7] = std::numeric_limits<double>::denorm_min();
    FileWriter w(dir.file("t.root"));
    w.setEntriesPerBasket(1000);
    w.addDoubleTree("DecayTree", "candidates", columns);
    w.save();

    const FileReader r(dir.file("t.root"));
    EXPECT_EQ(r.treeEntries("DecayTree"), n);
    const auto branches = r.branches("DecayTree");
    ASSERT_EQ(branches.size(), 4u);
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(branches[c].name, columns[c].first);
        EXPECT_EQ(branches[c].typeName, "double");
        const auto values = r.readColumn("DecayTree", columns[c].first);
        ASSERT_EQ(values.size(), columns[c].second.size());
        EXPECT_EQ(std::memcmp(values.data(), columns[c].second.data(), n * sizeof(double)), 0);
    }
    EXPECT_TRUE(std::signbit(r.readColumn("DecayTree", "D0_TAU")[5]));

    // Default basket size: 4000 entries per basket.
    FileWriter big(dir.file("big.root"));
    big.addDoubleTree("T", "", {{"x", std::vector<double>(9000, 2.5)}});
    big.save();
    EXPECT_EQ(FileReader(dir.file("big.root")).readColumn("T", "x"),
              std::vector<double>(9000, 2.5));

    FileWriter empty(dir.file("empty.root"));
    empty.addDoubleTree("E", "", {{"x", {}}});
    empty.save();
    EXPECT_EQ(FileReader(dir.file("empty.root")).treeEntries("E"), 0);
    EXPECT_TRUE(FileReader(dir.file("empty.root")).readColumn("E", "x").empty());

    EXPECT_THROW(w.addDoubleTree("Bad", "", {{"a", {1, 2}}, {"b", {1}}}), rootio::Error);
}

TEST(RoundTrip, EventTreeKeepsAllFifteenFieldsNamesAndPoints) {
    TempDir dir;
    std::vector<std::vector<rootio::TrackRecord>> events;
    for (int e = 0; e < 50; ++e) {
        std::vector<rootio::TrackRecord> tracks;
        for (int k = 0; k < 3 + e % 40; ++k)
            tracks.push_back(track(k + e));
        events.push_back(tracks);
    }
    events[1][0].hasParticleId = false;
    events[1][0].particleId.clear();
    events[1][1].hasTrack = false;
    events[1][1].points.clear();
    events[2][2].points.clear(); // an empty point list is not a missing one
    events[3][0].particleId = std::string(1000, 'p');
    events[4].clear(); // an event without records
    FileWriter w(dir.file("lumoeventv2_D0_1.root"));
    w.addEventTree("MCEvent", events);
    w.save();

    const FileReader r(dir.file("lumoeventv2_D0_1.root"));
    EXPECT_EQ(r.treeEntries("MCEvent"), 50);
    ASSERT_EQ(r.branches("MCEvent").size(), 1u);
    EXPECT_EQ(r.branches("MCEvent")[0].name, "event");
    const auto classes = r.streamerInfoClasses();
    for (const char* cls : {"VxLumoTrack", "TObjString", "TPointsArray3D", "TObjArray"})
        EXPECT_NE(std::find(classes.begin(), classes.end(), cls), classes.end()) << cls;
    for (long long e = 49; e >= 0; --e) { // any order, any entry
        const auto got = r.readEvent("MCEvent", e);
        const auto& want = events[static_cast<std::size_t>(e)];
        ASSERT_EQ(got.size(), want.size()) << e;
        for (std::size_t k = 0; k < want.size(); ++k) {
            const auto& a = got[k];
            const auto& b = want[k];
            EXPECT_EQ(a.mass, b.mass);
            EXPECT_EQ(a.E, b.E);
            EXPECT_EQ(a.px, b.px);
            EXPECT_EQ(a.py, b.py);
            EXPECT_EQ(a.pz, b.pz);
            EXPECT_EQ(a.chi2, b.chi2);
            EXPECT_EQ(a.q, b.q);
            EXPECT_EQ(a.hasParticleId, b.hasParticleId);
            EXPECT_EQ(a.particleId, b.particleId);
            EXPECT_EQ(a.hasTrack, b.hasTrack);
            EXPECT_EQ(a.points, b.points);
            EXPECT_EQ(a.pvx, b.pvx);
            EXPECT_EQ(a.pvy, b.pvy);
            EXPECT_EQ(a.pvz, b.pvz);
            EXPECT_EQ(a.ipchi2, b.ipchi2);
            EXPECT_EQ(a.ip, b.ip);
            EXPECT_EQ(a.zFirstMeasurement, b.zFirstMeasurement);
        }
    }
    EXPECT_THROW(r.readEvent("MCEvent", 50), rootio::Error);
    EXPECT_THROW(r.readEvent("MCEvent", -1), rootio::Error);
}

TEST(RoundTrip, FileLayoutWalksToTheEndAndIsReproducible) {
    TempDir dir;
    auto write = [&](const std::string& name) {
        FileWriter w(dir.file(name));
        w.addHistogram(massHistogram());
        w.addDoubleTree("T", "t", {{"x", std::vector<double>(5000, 1.0)}});
        w.addEventTree("MCEvent", {{track(1), track(2), track(3)}});
        w.save();
        return rootiotest::readBytes(dir.file(name));
    };
    const auto a = write("a.root");
    const auto b = write("b.root");
    ASSERT_GT(a.size(), 100u);
    EXPECT_EQ(std::string(a.begin(), a.begin() + 4), "root");
    EXPECT_EQ(rootiotest::be32(a, 8), 100u);      // fBEGIN
    EXPECT_EQ(rootiotest::be32(a, 12), a.size()); // fEND
    EXPECT_EQ(walkRecords(a), static_cast<std::int64_t>(a.size()));
    EXPECT_EQ(rootiotest::be32(a, 33), 101u); // zlib level 1
    // Same content, same bytes, apart from the file name stored in the file.
    auto renamed = b;
    std::string text(renamed.begin(), renamed.end());
    for (std::size_t p = text.find("b.root"); p != std::string::npos; p = text.find("b.root", p))
        renamed[p] = 'a', text[p] = 'a';
    EXPECT_EQ(renamed, a);
}

TEST(RoundTrip, SameNameTwiceKeepsBothCyclesAndReadsTheNewest) {
    TempDir dir;
    auto h1 = massHistogram();
    auto h2 = massHistogram();
    h2.title = "second";
    FileWriter w(dir.file("c.root"));
    w.addHistogram(h1);
    w.addHistogram(h2);
    w.save();
    const FileReader r(dir.file("c.root"));
    ASSERT_EQ(r.keys().size(), 1u);
    EXPECT_EQ(r.keys()[0].cycle, 2);
    EXPECT_EQ(r.readHistogram("hist").title, "second");
    EXPECT_EQ(r.readHistogram("hist;1").title, "My histogram");
}

TEST(RoundTrip, SubdirectoriesHoldTheirOwnKeys) {
    TempDir dir;
    auto top = massHistogram();
    auto inner = massHistogram();
    inner.title = "inner";
    auto deeper = massHistogram();
    deeper.title = "deeper";
    FileWriter w(dir.file("d.root"));
    w.addHistogram(top);
    w.enterDirectory("results");
    w.addHistogram(inner);
    w.addDoubleTree("T", "", {{"x", {1, 2, 3}}});
    w.enterDirectory("cuts");
    w.addHistogram(deeper);
    w.leaveDirectory();
    w.leaveDirectory();
    EXPECT_THROW(w.leaveDirectory(), rootio::Error);
    w.save();

    const FileReader r(dir.file("d.root"));
    ASSERT_EQ(r.keys().size(), 2u);
    EXPECT_EQ(r.keys()[1].name, "results");
    EXPECT_EQ(r.keys()[1].className, "TDirectory");
    const auto sub = r.keys("results");
    ASSERT_EQ(sub.size(), 3u);
    EXPECT_EQ(sub[0].name, "hist");
    EXPECT_EQ(sub[2].name, "cuts");
    EXPECT_EQ(r.readHistogram("hist").title, "My histogram");
    EXPECT_EQ(r.readHistogram("results/hist").title, "inner");
    EXPECT_EQ(r.readHistogram("results/cuts/hist").title, "deeper");
    EXPECT_EQ(r.readColumn("results/T", "x"), (std::vector<double>{1, 2, 3}));
    EXPECT_THROW(r.keys("hist"), rootio::Error); // not a directory
    EXPECT_THROW(r.readHistogram("results/none"), rootio::Error);
    EXPECT_EQ(walkRecords(rootiotest::readBytes(dir.file("d.root"))),
              static_cast<std::int64_t>(std::filesystem::file_size(dir.file("d.root"))));
}

TEST(RoundTrip, UncompressedAndHigherLevels) {
    TempDir dir;
    std::vector<double> x(20000);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<double>(i % 17);
    std::uintmax_t sizes[2];
    int k = 0;
    for (int level : {0, 9}) {
        const std::string path = dir.file("l" + std::to_string(level) + ".root");
        FileWriter w(path, level);
        w.addDoubleTree("T", "", {{"x", x}});
        w.addHistogram(massHistogram());
        w.save();
        EXPECT_EQ(FileReader(path).readColumn("T", "x"), x);
        EXPECT_EQ(FileReader(path).readHistogram("hist").contents, massHistogram().contents);
        sizes[k++] = std::filesystem::file_size(path);
    }
    EXPECT_GT(sizes[0], 160000u);
    EXPECT_LT(sizes[1], sizes[0] / 4);
}

TEST(RoundTrip, SaveReplacesAtomicallyAndFailureKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("MassHistogram_1_a_b_c.root");
    {
        FileWriter w(path);
        w.addHistogram(massHistogram());
        w.save();
    }
    auto second = massHistogram();
    second.contents[10] = 99;
    {
        FileWriter w(path);
        w.addHistogram(second);
        w.save();
    }
    EXPECT_EQ(FileReader(path).readHistogram("hist").contents[10], 99);
    // Only the target file remains: no temporary files left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator{}),
              1);

    // A directory in the way: the rename fails, the error names the file.
    const std::string blocked = dir.file("blocked.root");
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked + "/inside");
    FileWriter b(blocked);
    b.addHistogram(massHistogram());
    try {
        b.save();
        FAIL() << "save over a directory succeeded";
    } catch (const rootio::Error& e) {
        EXPECT_NE(std::string(e.what()).find("blocked.root"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator{}),
              2);

    // A missing directory: nothing written, failure reported.
    FileWriter m(dir.file("no/such/dir/x.root"));
    m.addHistogram(massHistogram());
    EXPECT_THROW(m.save(), rootio::Error);
    EXPECT_EQ(FileReader(path).readHistogram("hist").contents[10], 99);
}

TEST(RoundTrip, InconsistentHistogramsAreRefusedWithTheFileName) {
    TempDir dir;
    FileWriter w(dir.file("bad.root"));
    auto h = massHistogram();
    h.contents.pop_back();
    try {
        w.addHistogram(h);
        FAIL();
    } catch (const rootio::Error& e) {
        EXPECT_NE(std::string(e.what()).find("bad.root"), std::string::npos);
    }
    h = massHistogram();
    h.xmax = h.xmin;
    EXPECT_THROW(w.addHistogram(h), rootio::Error);
    h = massHistogram();
    h.sumw2 = {1, 2};
    EXPECT_THROW(w.addHistogram(h), rootio::Error);
}
