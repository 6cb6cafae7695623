// Malformed, truncated and wrong-type input: a clear rootio::Error naming the file, never a
// crash, a hang or another exception.
#include "RootioTestSupport.h"
#include "SampleHistograms.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#include <random>

using rootio::FileReader;
using rootiotest::TempDir;

namespace {

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const rootio::Error& e) {
        return e.what();
    }
    return "";
}

// Reads everything the reader offers; returns false when something other than
// rootio::Error escaped.
bool readEverything(const std::string& path, std::string& failure) {
    try {
        const FileReader r(path);
        for (const auto& k : r.keys()) {
            try {
                if (k.className == "TH1F" || k.className == "TH1D") {
                    r.readHistogram(k.name);
                } else if (k.className == "TGraph") {
                    r.readGraph(k.name);
                } else if (k.className == "TTree" || k.className == "TNtuple") {
                    r.treeEntries(k.name);
                    for (const auto& b : r.branches(k.name)) {
                        try {
                            if (b.typeName == "string")
                                r.readStringColumn(k.name, b.name);
                            else if (b.typeName == "TObjArray")
                                for (long long e = 0; e < std::min(3LL, r.treeEntries(k.name)); ++e)
                                    r.readEvent(k.name, e);
                            else
                                r.readRows(k.name, b.name);
                        } catch (const rootio::Error&) {
                        }
                    }
                }
            } catch (const rootio::Error&) {
            }
        }
    } catch (const rootio::Error& e) {
        if (std::string(e.what()).find(rootio::Error::fileLabel(path)) == std::string::npos) {
            failure = std::string("error without the file name: ") + e.what();
            return false;
        }
    } catch (const std::exception& e) {
        failure = std::string("unexpected exception: ") + e.what();
        return false;
    } catch (...) {
        failure = "unexpected non-standard exception";
        return false;
    }
    return true;
}

// Truncated and bit-flipped copies of `original`, each read completely; the first copy that
// cannot be read fails.
::testing::AssertionResult replayDamagedCopies(const std::string& original, int truncations,
                                               int flips) {
    TempDir dir;
    const auto bytes = rootiotest::readBytes(original);
    if (bytes.empty())
        return ::testing::AssertionFailure() << "cannot read " << original;
    const std::string path = dir.file("damaged.root");
    std::mt19937 rng(20121);
    std::string failure;
    for (int i = 0; i < truncations; ++i) {
        const std::size_t size =
            i < truncations / 2
                ? bytes.size() * i / (truncations / 2)
                : bytes.size() - 1 - rng() % std::min<std::size_t>(bytes.size(), 600);
        rootiotest::writeBytes(path,
                               std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
        if (!readEverything(path, failure))
            return ::testing::AssertionFailure()
                   << original << " cut at " << size << ": " << failure;
        const std::string message = errorOf([&] {
            FileReader r(path);
            r.keys();
        });
        if (size < 100) {
            EXPECT_NE(message.find("damaged.root"), std::string::npos) << message;
        }
    }
    for (int i = 0; i < flips; ++i) {
        auto copy = bytes;
        const int nflips = 1 + static_cast<int>(rng() % 4);
        std::vector<std::size_t> where;
        for (int k = 0; k < nflips; ++k) {
            // Half the flips in the first 400 bytes (header, directory, keys), half anywhere.
            const std::size_t at = (k % 2 == 0) ? rng() % std::min<std::size_t>(copy.size(), 400)
                                                : rng() % copy.size();
            copy[at] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
            where.push_back(at);
        }
        rootiotest::writeBytes(path, copy);
        if (!readEverything(path, failure))
            return ::testing::AssertionFailure()
                   << original << " with flipped bits at " << where[0] << ": " << failure;
    }
    return ::testing::AssertionSuccess();
}

void writeSamples(const TempDir& dir) {
    rootio::Histogram1D h = rootiotest::studentMassHistogram();
    h.contents.assign(52, 3);
    rootio::Graph g;
    g.name = "g";
    g.x = {1, 2, 3};
    g.y = {4, 5, 6};
    g.xTitle = "x";
    std::vector<std::vector<rootio::TrackRecord>> events(5);
    for (auto& e : events)
        for (int k = 0; k < 4; ++k) {
            rootio::TrackRecord t;
            t.particleId = "pi+";
            t.points = {{1, 2, 3}, {4, 5, 6}};
            e.push_back(t);
        }
    rootio::FileWriter w(dir.file("written.root"), 0);
    w.addHistogram(h);
    w.addGraph(g);
    w.setEntriesPerBasket(100);
    w.addDoubleTree("DecayTree", "", {{"D0_MM", std::vector<double>(500, 1865.)}});
    w.addEventTree("MCEvent", events);
    w.save();
}

} // namespace

TEST(BadInput, MissingWrongTypeAndMissingNamesGiveClearMessages) {
    TempDir dir;
    writeSamples(dir);
    const std::string file = dir.file("written.root");
    const FileReader r(file);
    EXPECT_EQ(errorOf([&] { r.readColumn("Nope", "D0_MM"); }), "written.root: no tree \"Nope\"");
    EXPECT_EQ(errorOf([&] { r.readColumn("DecayTree", "D0_TAU"); }),
              "written.root: tree \"DecayTree\" has no branch \"D0_TAU\"");
    EXPECT_EQ(errorOf([&] { r.readHistogram("DecayTree"); }),
              "written.root: \"DecayTree\" is a TTree, not a TH1F or TH1D");
    EXPECT_EQ(errorOf([&] { r.treeEntries("hist"); }),
              "written.root: \"hist\" is a TH1F, not a tree");
    EXPECT_EQ(errorOf([&] { r.readGraph("hist"); }),
              "written.root: \"hist\" is a TH1F, not a TGraph");
    EXPECT_EQ(errorOf([&] { r.readObjString("nothing"); }), "written.root: no object \"nothing\"");
    EXPECT_NE(errorOf([&] { r.readEvent("DecayTree", 0); }).find("no branch \"event\""),
              std::string::npos);
    EXPECT_NE(errorOf([&] { r.readColumn("MCEvent", "event"); }).find("does not hold numbers"),
              std::string::npos);
    EXPECT_FALSE(r.has("nothing"));
    EXPECT_TRUE(r.has("hist"));

    EXPECT_EQ(
        errorOf([&] { FileReader(dir.file("absent.root")); }).rfind("absent.root: cannot open", 0),
        0u);
    rootiotest::writeBytes(dir.file("text.root"), {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(errorOf([&] { FileReader(dir.file("text.root")); }), "text.root: not a ROOT file");
    rootiotest::writeBytes(dir.file("empty.root"), {});
    EXPECT_EQ(errorOf([&] { FileReader(dir.file("empty.root")); }), "empty.root: not a ROOT file");
    auto bytes = rootiotest::readBytes(file);
    bytes.resize(bytes.size() - 10);
    rootiotest::writeBytes(dir.file("cut.root"), bytes);
    EXPECT_NE(
        errorOf([&] { FileReader(dir.file("cut.root")); }).find("cut.root: file is truncated"),
        std::string::npos);
}

TEST(BadInput, DamagedCopiesOfWrittenFiles) {
    TempDir dir;
    writeSamples(dir);
    EXPECT_TRUE(replayDamagedCopies(dir.file("written.root"), 60, 400));
    rootio::FileWriter w(dir.file("zipped.root"));
    w.addDoubleTree("T", "", {{"x", std::vector<double>(3000, 0.5)}});
    w.save();
    EXPECT_TRUE(replayDamagedCopies(dir.file("zipped.root"), 30, 150));
}

TEST(BadInput, DamagedCopiesOfGenuineFiles) {
    SKIP_WITHOUT_GENUINE_FILES();
    for (const char* name :
         {"uproot-simple.root", "uproot-histograms.root", "uproot-sample-6.20.04-uncompressed.root",
          "uproot-sample-6.20.04-lz4.root", "uproot-sample-5.30.00-lzma.root",
          "uproot-Zmumu-zstd.root", "uproot-small-evnt-tree-fullsplit.root"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(replayDamagedCopies(rootiotest::genuine(name), 30, 120));
    }
}
