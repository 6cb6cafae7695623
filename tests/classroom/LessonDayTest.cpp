#include "ClassFolderMaker.h"
#include "TemporaryFolder.h"

#include "classroom/ClassExport.h"
#include "classroom/DataSetHandout.h"
#include "classroom/LessonDaySources.h"
#include "rootio/FileWriter.h"
#include "studentfiles/Combinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;
using namespace classroom;

namespace {

const UnusedFile* unusedNamed(const LessonDay& day, const std::string& fileName) {
    for (const auto& u : day.unused)
        if (fs::path(u.path).filename() == fileName)
            return &u;
    return nullptr;
}

} // namespace

TEST(LessonDay, ClassesCombineWithTheSameCombinationCountedOnce) {
    const vexel::test::TemporaryFolder temporary("vexel-lesson-day");
    const fs::path dir = temporary.path();
    auto students = classtest::testClass();
    // Class A: students 0-4; student 4 on student 0's combination. Class B: students 5-7,
    // student 7 on student 1's combination (class A).
    students[4].combination = students[0].combination;
    students[7].combination = students[1].combination;
    for (int i = 0; i < 8; ++i)
        classtest::writeStudentWork(dir / (i < 5 ? "A" : "B"), students[i]);
    const auto entriesOf = [&](std::initializer_list<int> who) {
        double n = 0;
        for (int i : who)
            n += students[i].masses.size();
        return n;
    };

    LessonDaySources sources;
    sources.addFolder((dir / "A").string(), {"Lycée Nord", "9B", "2026-03-12"});
    sources.addFolder((dir / "B").string(), {});
    ASSERT_TRUE(sources.rescan());
    EXPECT_FALSE(sources.rescan());
    LessonDay day = sources.combine(DuplicateRule::CountOnce);
    ASSERT_EQ(day.classes.size(), 2u);
    EXPECT_EQ(day.classes[0].name, "Lycée Nord, 9B, 2026-03-12");
    EXPECT_EQ(day.classes[1].name, "B");
    // Within class A the later of the pair is left out; across classes the total leaves out
    // class B's copy of class A's combination too, though class B counts it on its own.
    EXPECT_EQ(day.classes[0].summary.totalEntries(), entriesOf({0, 1, 2, 3}));
    EXPECT_EQ(day.classes[1].summary.totalEntries(), entriesOf({5, 6, 7}));
    EXPECT_EQ(day.total.totalEntries(), entriesOf({0, 1, 2, 3, 5, 6}));
    EXPECT_EQ(day.total.combinationsTwice,
              (std::set<int>{students[0].combination, students[1].combination}));
    int flagged = 0, leftOut = 0;
    for (const auto& r : day.total.students)
        flagged += r.sharesCombination, leftOut += !r.counted;
    EXPECT_EQ(flagged, 4);
    EXPECT_EQ(leftOut, 2);
    day = sources.combine(DuplicateRule::CountEveryFile);
    EXPECT_EQ(day.total.totalEntries(), entriesOf({0, 1, 2, 3, 4, 5, 6, 7}));

    // Class A exported, then read back as a class of its own: the same students and sums.
    const fs::path exports = dir / "exports";
    fs::create_directories(exports);
    day = sources.combine(DuplicateRule::CountOnce);
    const std::string exportA = (exports / day.classes[0].label.exportFileName()).string();
    EXPECT_EQ(fs::path(exportA).filename(), "Lycée_Nord_9B_2026-03-12.root");
    writeClassExport(exportA, day.classes[0].summary, day.classes[0].label, 1000);
    const ClassExportRead back = readClassExport(exportA);
    ASSERT_TRUE(back.content) << back.detail;
    EXPECT_EQ(back.content->label, day.classes[0].label);
    ASSERT_EQ(back.content->students.size(), 5u);
    EXPECT_EQ(back.content->students[0].identity, day.classes[0].summary.students[0].identity);
    EXPECT_EQ(back.content->students[0].name, "Ana");
    EXPECT_EQ(back.content->points.at(2).size(), day.classes[0].summary.trends[1].points.size());

    // The lesson-day folder where exports are collected: a second, older export of class A,
    // one of a newer format, one damaged, a foreign ROOT file.
    LessonDaySources collected;
    collected.addFolder(exports.string(), {});
    collected.addFolder((dir / "B").string(), {"", "B", ""});
    writeClassExport((exports / "older.root").string(), day.classes[0].summary,
                     day.classes[0].label, 500);
    {
        rootio::FileWriter newer((exports / "newer.root").string());
        newer.addObjString(kClassExportKey, "2");
        newer.save();
    }
    fs::copy_file(exportA, exports / "damaged.root");
    fs::resize_file(exports / "damaged.root", fs::file_size(exportA) / 2);
    fs::copy_file(dir / "B" / "MassHistogram_36_Fabio_Student5_10.root", exports / "other.root");
    collected.rescan();
    const LessonDay combined = collected.combine(DuplicateRule::CountOnce);
    ASSERT_EQ(combined.classes.size(), 2u);
    EXPECT_TRUE(combined.classes[0].fromExport);
    EXPECT_EQ(combined.total.totalEntries(), entriesOf({0, 1, 2, 3, 5, 6}));
    ASSERT_TRUE(unusedNamed(combined, "older.root"));
    EXPECT_EQ(unusedNamed(combined, "older.root")->reason, UnusedReason::Superseded);
    ASSERT_TRUE(unusedNamed(combined, "newer.root"));
    EXPECT_EQ(unusedNamed(combined, "newer.root")->reason, UnusedReason::NewerFormat);
    EXPECT_NE(unusedNamed(combined, "newer.root")->detail.find("version 2"), std::string::npos);
    ASSERT_TRUE(unusedNamed(combined, "damaged.root"));
    EXPECT_EQ(unusedNamed(combined, "damaged.root")->reason, UnusedReason::Damaged);
    ASSERT_TRUE(unusedNamed(combined, "other.root"));
    EXPECT_EQ(unusedNamed(combined, "other.root")->reason, UnusedReason::NotNamedLikeStudentFile);
    std::ofstream(exports / "text.root") << "not a ROOT file\n";
    EXPECT_EQ(readClassExport((exports / "text.root").string()).reason, UnusedReason::NotRootFile);
    EXPECT_EQ(
        readClassExport((dir / "B" / "MassHistogram_36_Fabio_Student5_10.root").string()).reason,
        UnusedReason::ForeignFile);
}

TEST(LessonDay, LabelsBecomeSafeFileNames) {
    EXPECT_EQ((ClassLabel{"../../etc", "9/B", "a\\b:c"}).exportFileName(),
              "_._.._etc_9_B_a_b_c.root");
    EXPECT_EQ((ClassLabel{"", "..", ""}).exportFileName(), "_..root");
    EXPECT_EQ(ClassLabel{}.exportFileName(), "class.root");
    const std::string longName = (ClassLabel{std::string(200, 'x') + "é", "", ""}).exportFileName();
    EXPECT_EQ(longName.size(), 125u);
}

TEST(DataSetHandout, DistinctSpreadCombinationsAndClearProblems) {
    const Handout fine = handOutToNames("Ana\n\n  Ion  \nMara\n", {1, 2, 3});
    ASSERT_EQ(fine.problem, Handout::Problem::None);
    EXPECT_EQ(fine.blankLinesSkipped, 1);
    ASSERT_EQ(fine.lines.size(), 3u);
    EXPECT_EQ(fine.lines[1].name, "Ion");
    // Spread over the 175: at least 50 apart, none already analysed.
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_GT(fine.lines[i].combination, 3);
        if (i > 0)
            EXPECT_GE(fine.lines[i].combination - fine.lines[i - 1].combination, 50);
    }
    const Handout twice = handOutToNames("Ana\nIon\nAna\n", {});
    EXPECT_EQ(twice.problem, Handout::Problem::DuplicateNames);
    EXPECT_EQ(twice.names, std::vector<std::string>{"Ana"});
    EXPECT_TRUE(twice.lines.empty());
    EXPECT_EQ(handOutToNames("\n \n", {}).problem, Handout::Problem::NoNames);
    std::string many;
    for (int i = 0; i <= kCombinations; ++i)
        many += "Student " + std::to_string(i) + "\n";
    EXPECT_EQ(handOutToNames(many, {}).problem, Handout::Problem::TooManyNames);
    EXPECT_EQ(handOutToGroups(0, "Group", {}).problem, Handout::Problem::TooManyGroups);
    EXPECT_EQ(handOutToGroups(kCombinations + 1, "Group", {}).problem,
              Handout::Problem::TooManyGroups);

    // More groups than fresh combinations: every combination still distinct.
    std::set<int> analysed;
    for (int c = 1; c <= 10; ++c)
        analysed.insert(c * 3);
    const Handout all = handOutToGroups(170, "Grupa", analysed);
    EXPECT_EQ(all.reused, 5);
    std::set<int> given;
    for (const auto& l : all.lines)
        given.insert(l.combination);
    EXPECT_EQ(given.size(), 170u);
    EXPECT_EQ(all.lines.back().name, "Grupa 170");
}
