#include "CanvasSavePlan.h"

#include <gtest/gtest.h>

TEST(CanvasFileName, TheFieldNamesAFileInTheOutputDirectory) {
    using vexel::canvasFileName;
    using vexel::safeFileStem;
    EXPECT_EQ(safeFileStem("my_mass"), "my_mass");
    EXPECT_EQ(safeFileStem("../escape"), "__escape");
    EXPECT_EQ(safeFileStem("/tmp/x"), "_tmp_x");
    EXPECT_EQ(safeFileStem("a\\b..c"), "a_b_c");
    EXPECT_EQ(safeFileStem(".hidden"), "_hidden");
    EXPECT_EQ(safeFileStem("  tab\there\n "), "tab_here");
    EXPECT_EQ(safeFileStem("x\xc2\x85y"), "x_y"); // a control character beyond ASCII
    EXPECT_EQ(safeFileStem("ă ß é ñ 中文 v1.2"), "ă ß é ñ 中文 v1.2");

    // The placeholder, nothing, or blanks: the default name, with what is known of the student.
    EXPECT_EQ(canvasFileName("", "Filename", 0, "").stem, "D0Canvas");
    EXPECT_EQ(canvasFileName("Filename", "Filename", 7, "").stem, "D0Canvas_7");
    EXPECT_EQ(canvasFileName("   ", "Filename", 7, "Ana_Pop/escu_11B").stem,
              "D0Canvas_7_Ana_Pop_escu_11B");
    EXPECT_EQ(canvasFileName("", "", 7, std::string(300, 'a')).stem, "D0Canvas_7");
    // 250 bytes and ".root" fit into a file name of 255 bytes; one more does not.
    EXPECT_TRUE(canvasFileName(std::string(250, 'n'), "Filename", 7, "").fits);
    EXPECT_FALSE(canvasFileName(std::string(249, 'n') + "ă", "Filename", 7, "").fits);
}

TEST(CanvasSavePlan, NameFirstThenFolderThenFourFiles) {
    using Outcome = vexel::CanvasSavePlan::Outcome;
    const auto plan = vexel::planCanvasSave("../fit", "Filename", 7, "Ana_Pop_9", true, true);
    EXPECT_EQ(plan.outcome, Outcome::Save);
    EXPECT_EQ(plan.files,
              (std::vector<std::string>{"__fit.root", "__fit.eps", "__fit.pdf", "__fit.png"}));
    EXPECT_EQ(vexel::planCanvasSave("Filename", "Filename", 7, "Ana_Pop_9", true, true).files[3],
              "D0Canvas_7_Ana_Pop_9.png");

    // A name too long is told before a folder that is missing; nothing is to be written.
    const auto tooLong =
        vexel::planCanvasSave(std::string(251, 'n'), "Filename", 7, "", false, false);
    EXPECT_EQ(tooLong.outcome, Outcome::NameTooLong);
    EXPECT_EQ(tooLong.nameBytes, 256);
    EXPECT_EQ(tooLong.maxNameBytes, 255);
    EXPECT_TRUE(tooLong.files.empty());
    EXPECT_EQ(vexel::planCanvasSave("x", "", 1, "", false, false).outcome, Outcome::FolderMissing);
    const auto readOnly = vexel::planCanvasSave("x", "", 1, "", true, false);
    EXPECT_EQ(readOnly.outcome, Outcome::FolderNotWritable);
    EXPECT_TRUE(readOnly.files.empty());
}
