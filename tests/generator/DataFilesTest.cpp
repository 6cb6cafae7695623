// The files of the run directory, as the build made them.
#include "CandidateGenerator.h"
#include "DataSetWriter.h"
#include "EventGenerator.h"
#include "HelpPage.h"
#include "IconPainter.h"
#include "Languages.h"

#ifdef VEXEL_HAVE_ROOTIO_READER
#include "rootio/FileReader.h"
#endif

#include <QImage>

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace fs = std::filesystem;
using namespace vexelgen;

namespace {

const fs::path kRun = VEXEL_RUN_DIR;
const fs::path kShare = kRun / "share" / "VexelLumora";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every regular file below a directory, by relative path.
std::map<std::string, std::string> filesBelow(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = readBytes(entry.path());
    return files;
}

int runGenerator(const fs::path& output, const std::string& options) {
    const std::string command = "QT_QPA_PLATFORM=offscreen \"" + std::string(VEXEL_GENERATOR) +
                                "\" --output \"" + output.string() + "\" " + options +
                                " 2>/dev/null";
    return std::system(command.c_str());
}

// Mean absolute difference of the colour channels of two pictures of the same size, 0..255.
double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

using TemporaryDirectory = vexel::test::TemporaryFolder;

} // namespace

TEST(DataFilesTest, RunDirectoryHoldsEveryFile) {
    EXPECT_TRUE(fs::is_regular_file(kShare / "vexelfull.gdml"));
    EXPECT_TRUE(fs::is_regular_file(kShare / "LumoraData_2012.root"));
    for (int i = 1; i <= 175; ++i)
        EXPECT_TRUE(fs::is_regular_file(kShare / DataSetWriter::eventFileName(i))) << i;
    EXPECT_FALSE(fs::exists(kShare / DataSetWriter::eventFileName(176)));
}

TEST(DataFilesTest, PicturesHaveTheSizesOfWhatTheyFill) {
    const std::map<std::string, QSize> sizes = {{"Icons/l1.png", {114, 82}},
                                                {"Icons/l2.png", {114, 82}},
                                                {"Icons/GoBack.png", {90, 34}},
                                                {"Icons/GoForward.png", {90, 34}},
                                                {"Icons/Zoom.png", {90, 34}},
                                                {"Icons/fullscreen.png", {90, 34}},
                                                {"Icons/hint.png", {42, 34}},
                                                {"Icons/a.png", {58, 34}},
                                                {"Icons/b.png", {58, 34}},
                                                {"Icons/c.png", {58, 34}},
                                                {"Icons/leg1.png", {141, 100}},
                                                {"Icons/leg2.png", {141, 100}},
                                                {"share/VexelLumora/vexel-logo.png", {200, 100}}};
    for (const auto& [name, size] : sizes) {
        const QImage image(QString::fromStdString((kRun / name).string()));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), size) << name;
        // Not blank: several distinct colours.
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 5u) << name;
        // Its twin for high-density displays: the same picture with twice the pixels.
        const std::string twin = name.substr(0, name.size() - 4) + "@2x.png";
        const QImage sharp(QString::fromStdString((kRun / twin).string()));
        EXPECT_EQ(sharp.size(), size * 2) << twin;
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << twin;
        const QImage halved = sharp.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(halved, image), 12.0) << twin << " is not the same picture";
    }
    // One help page for each language of the build, Spanish the sixth.
    for (int language = 1; language <= 6; ++language) {
        const std::string name = "Icons/help" + std::to_string(language) + ".png";
        const QImage image(QString::fromStdString((kRun / name).string()));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_NEAR(double(image.width()) / image.height(), 1.8118812, 1e-4) << name;
        EXPECT_GE(image.height(), 720) << name;
        const QImage sharp(QString::fromStdString(
            (kRun / ("Icons/help" + std::to_string(language) + "@2x.png")).string()));
        EXPECT_EQ(sharp.size(), image.size() * 2) << name;
    }
    // One help page per language, each different.
    EXPECT_NE(readBytes(kRun / "Icons/help1.png"), readBytes(kRun / "Icons/help2.png"));
    const auto languages =
        vexel::Languages::load({QString::fromStdString((kShare / "translations").string())});
    EXPECT_NE(HelpPage::texts(languages.byNumber(3)).title,
              HelpPage::texts(languages.byNumber(6)).title);
}

// The build's files are exactly what a fresh run of the generator makes.
TEST(DataFilesTest, GenerationIsDeterministic) {
    TemporaryDirectory fresh;
    // The catalogues are compiled before the generator draws the help pages.
    fs::create_directories(fresh.path() / "share/VexelLumora");
    fs::copy(kShare / "translations", fresh.path() / "share/VexelLumora/translations");
    ASSERT_EQ(runGenerator(fresh.path(), ""), 0);
    auto expected = filesBelow(kRun / "share");
    // The rendered teacher's guides are the guide renderer's, not the generator's.
    for (auto it = expected.begin(); it != expected.end();)
        it = it->first.rfind("doc/", 0) == 0 ? expected.erase(it) : std::next(it);
    const auto got = filesBelow(fresh.path() / "share");
    ASSERT_EQ(got.size(), expected.size());
    for (const auto& [name, bytes] : expected) {
        ASSERT_TRUE(got.count(name)) << name;
        EXPECT_TRUE(got.at(name) == bytes) << name << " differs";
    }
    const auto freshIcons = filesBelow(fresh.path() / "Icons");
    for (const auto& [name, bytes] : freshIcons)
        EXPECT_TRUE(readBytes(kRun / "Icons" / name) == bytes) << name << " differs";

    // Another seed gives other data; a bad option is refused.
    TemporaryDirectory other;
    ASSERT_EQ(runGenerator(other.path(), "--seed 7 --event-files 2 --candidates 500 --no-pictures"),
              0);
    EXPECT_NE(readBytes(other.path() / "share/VexelLumora/lumoeventv2_D0_1.root"),
              readBytes(kShare / "lumoeventv2_D0_1.root"));
    EXPECT_FALSE(fs::exists(other.path() / "Icons/help1.png"));
    EXPECT_NE(runGenerator(other.path(), "--candidates many"), 0);
}

#ifdef VEXEL_HAVE_ROOTIO_READER
TEST(DataFilesTest, EventFilesReadBackWithinTheLimits) {
    for (int combination : {1, 88, 175}) {
        rootio::FileReader reader((kShare / DataSetWriter::eventFileName(combination)).string());
        ASSERT_TRUE(reader.has("MCEvent"));
        const long long n = reader.treeEntries("MCEvent");
        EXPECT_EQ(n, 30);
        EXPECT_LE(n, 50);
        const auto expected = EventGenerator(streamSeed(20120601, 1000 + combination)).events(30);
        for (long long e = 0; e < n; ++e) {
            const auto records = reader.readEvent("MCEvent", e);
            ASSERT_GE(records.size(), 3u);
            EXPECT_EQ(records[0].particleId, "D0");
            ASSERT_EQ(records.size(), expected[e].size());
            for (size_t i = 0; i < records.size(); ++i) {
                const auto& r = records[i];
                ASSERT_TRUE(r.hasParticleId && r.hasTrack);
                ASSERT_GE(r.points.size(), 1u);
                EXPECT_EQ(r.particleId, expected[e][i].particleId);
                EXPECT_EQ(r.points, expected[e][i].points);
                EXPECT_EQ(r.E, expected[e][i].E);
                EXPECT_NEAR(r.E * r.E, r.px * r.px + r.py * r.py + r.pz * r.pz + r.mass * r.mass,
                            1e-9 * r.E * r.E);
            }
        }
    }
}

TEST(DataFilesTest, CandidateFileHoldsTheGeneratedCandidates) {
    rootio::FileReader reader((kShare / "LumoraData_2012.root").string());
    ASSERT_EQ(reader.treeEntries("DecayTree"), 45000);
    for (const auto& b : reader.branches("DecayTree"))
        EXPECT_EQ(b.typeName, "double") << b.name;
    const CandidateSample s = CandidateGenerator(streamSeed(20120601, 1)).generate(45000);
    EXPECT_EQ(reader.readColumn("DecayTree", "D0_MM"), s.D0_MM);
    EXPECT_EQ(reader.readColumn("DecayTree", "D0_PT"), s.D0_PT);
    EXPECT_EQ(reader.readColumn("DecayTree", "D0_TAU"), s.D0_TAU);
    EXPECT_EQ(reader.readColumn("DecayTree", "D0_MINIP"), s.D0_MINIP);
}
#endif
