// Files are replaced in one step: an earlier file survives a failed write, and names that
// fit the file system still save.
#include "../common/FileSizeLimit.h"
#include "RootioTestSupport.h"
#include "SampleHistograms.h"

#include "rootio/AtomicFile.h"
#include "rootio/Error.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

namespace {

std::size_t entriesIn(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

} // namespace

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
    rootiotest::TempDir dir;
    const std::string target = dir.file("picture.png");
    rootiotest::writeBytes(target, {1, 2, 3});
    {
        rootio::AtomicFile file(target);
        file.write({4, 5});
        EXPECT_EQ(rootiotest::readBytes(target), (std::vector<std::uint8_t>{1, 2, 3}));
    } // dropped without commit: the temporary file goes, the target stays
    EXPECT_EQ(rootiotest::readBytes(target), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    rootio::replaceFile(target, {7, 8, 9, 10});
    EXPECT_EQ(rootiotest::readBytes(target), (std::vector<std::uint8_t>{7, 8, 9, 10}));
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    // Nothing written counts as a failure.
    rootio::AtomicFile empty(target);
    EXPECT_THROW(empty.commit(), rootio::Error);
    EXPECT_THROW(rootio::AtomicFile(dir.file("missing/picture.png")), rootio::Error);
}

TEST(AtomicFile, ARootFileOfTheLongestNameSavesAndAFullDiskKeepsTheEarlierOne) {
    rootiotest::TempDir dir;
    // 250 bytes and ".root": the longest name the file system takes.
    const std::string longest = dir.file(std::string(250, 'm') + ".root");
    rootio::FileWriter writer(longest);
    writer.addHistogram(rootiotest::studentMassHistogram());
    ASSERT_NO_THROW(writer.save());
    EXPECT_EQ(rootio::FileReader(longest).readHistogram("hist").nbins,
              rootiotest::studentMassHistogram().nbins);

    const std::string path = dir.file("mass.root");
    rootio::FileWriter first(path);
    first.addHistogram(rootiotest::studentMassHistogram());
    first.save();
    const auto before = rootiotest::readBytes(path);
    rootio::FileWriter larger(path, 0);
    for (int i = 0; i < 20; ++i) {
        auto h = rootiotest::canvasMassHistogram();
        h.name += std::to_string(i);
        h.contents.assign(202, 1.0 + i);
        larger.addHistogram(h);
    }
    {
        vexel::test::FileSizeLimit limit(before.size() / 2);
        EXPECT_THROW(larger.save(), rootio::Error);
    }
    EXPECT_EQ(rootiotest::readBytes(path), before);
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}
