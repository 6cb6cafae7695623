#include "ClassFolderMaker.h"
#include "TemporaryFolder.h"

#include "MassHistogram.h"
#include "classroom/ClassExport.h"
#include "classroom/ClassFolder.h"
#include "classroom/ClassResultsExport.h"
#include "classroom/ClassSummary.h"
#include "classroom/ClassSummaryText.h"
#include "classroom/WhichFileCounts.h"
#include "rootio/FileReader.h"
#include "studentfiles/StudentFileName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>

namespace fs = std::filesystem;
using namespace classroom;
using classtest::StudentWork;

namespace {

void setAge(const fs::path& p, int seconds) {
    fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
}

std::set<std::pair<std::string, UnusedReason>> unusedOf(const ClassSummary& s) {
    std::set<std::pair<std::string, UnusedReason>> out;
    for (const auto& u : s.unused)
        out.insert({fs::path(u.path).filename().string(), u.reason});
    return out;
}

// Mean and spread (standard deviation) of the class at one cut, computed here from the
// students' values.
std::pair<double, double> meanAndSpread(const std::vector<double>& v) {
    double m = 0, sq = 0;
    for (double x : v)
        m += x / v.size();
    for (double x : v)
        sq += (x - m) * (x - m);
    return {m, std::sqrt(sq / (v.size() - 1))};
}

} // namespace

TEST(ClassFolder, TheTestClassAddsUpWithEveryFileAccountedFor) {
    const vexel::test::TemporaryFolder rootFolder("vexel-class");
    const std::filesystem::path root = rootFolder.path();
    const auto students = classtest::testClass();
    for (const auto& w : students)
        setAge(classtest::writeStudentWork(root, w), 600);
    // Student 5 saved an earlier histogram on a stick: the newer one counts.
    StudentWork early = students[5];
    early.subfolder = "old";
    early.masses.resize(3);
    early.lifetimes = {};
    setAge(classtest::writeStudentWork(root, early), 3600);

    const fs::path good = root / "MassHistogram_1_Ana_Student0_9.root";
    fs::copy_file(good, root / "MassHistogram_100_Trunc_Ated_9.root");
    fs::resize_file(root / "MassHistogram_100_Trunc_Ated_9.root", fs::file_size(good) / 2);
    std::ofstream(root / "MassHistogram_101_Text_File_9.root") << "a text file\n";
    saveMassHistogram((root / "MassHistogram_102_Wrong_Binning_9.root").string(),
                      analysis::Hist1D("hist", "My histogram", 40, 1815, 1915));
    const fs::path genuine =
        fs::path(VEXEL_SHARED_DIR) / "testdata/rootfiles/uproot-Zmumu-zlib.root";
    const bool haveGenuine = fs::exists(genuine);
    if (haveGenuine)
        fs::copy_file(genuine, root / "usb/MassHistogram_103_Foreign_File_9.root");
    fs::copy_file(good, root / "class-notes.root");
    fs::copy_file(good,
                  root / "usb/.MassHistogram_1_Ana_Student0_9.root.a1B2c3"); // a save in progress
    std::ofstream(root / "notes.txt") << "ignored\n";
    fs::copy_file(good, root / "MassHistogram_0_No_Combination_9.root");

    ClassFolder folder(root.string());
    ASSERT_TRUE(folder.rescan());
    const ClassSummary s = summarize(folder.files(), folder.root());
    for (const StudentRow& row : s.students)
        EXPECT_EQ(row.classFolder, folder.root()) << row.identity;

    std::set<std::pair<std::string, UnusedReason>> wantUnused = {
        {"MassHistogram_36_Fabio_Student5_10.root", UnusedReason::Superseded},
        {"MassHistogram_100_Trunc_Ated_9.root", UnusedReason::Damaged},
        {"MassHistogram_101_Text_File_9.root", UnusedReason::NotRootFile},
        {"MassHistogram_102_Wrong_Binning_9.root", UnusedReason::WrongBinning},
        {"class-notes.root", UnusedReason::NotNamedLikeStudentFile},
        {"MassHistogram_0_No_Combination_9.root", UnusedReason::NotNamedLikeStudentFile}};
    if (haveGenuine)
        wantUnused.insert({"MassHistogram_103_Foreign_File_9.root", UnusedReason::ForeignFile});
    EXPECT_EQ(unusedOf(s), wantUnused);
    for (const auto& u : s.unused)
        if (u.reason == UnusedReason::Superseded)
            EXPECT_NE(u.path.find("/old/"), std::string::npos);
    EXPECT_EQ(s.used.size(), 35u); // 25 histograms, 10 lifetime files
    EXPECT_EQ(s.histogramsUsed, 25);
    EXPECT_EQ(s.combinationsUsed.size(), 25u);
    EXPECT_EQ(s.combinationsUsed.count(169), 1u);

    // Summed contents, bin by bin, and entries.
    analysis::Hist1D want = makeMassHistogram();
    double entries = 0, signal = 0;
    for (const auto& w : students) {
        want.add(classtest::studentHistogram(w.masses), 1.0);
        entries += w.masses.size();
        signal += w.masses.size() - 12;
    }
    for (int bin = 0; bin <= 51; ++bin) {
        EXPECT_EQ(s.massHistogram.binContent(bin), want.binContent(bin)) << bin;
        EXPECT_EQ(s.massHistogram.sumw2(bin), want.sumw2(bin)) << bin;
    }
    EXPECT_EQ(s.totalEntries(), entries);

    // The class's peak: near the true mass, the generated width and signal.
    ASSERT_TRUE(s.massFit.fit.valid) << s.massFit.fit.message;
    const double mean = s.massFit.fit.parameters[1], meanError = s.massFit.fit.errors[1];
    EXPECT_GT(meanError, 0.1);
    EXPECT_LT(meanError, 1.0);
    EXPECT_NEAR(mean, kTrueD0Mass, 3 * meanError);
    EXPECT_NEAR(s.massFit.fit.parameters[2], 7.0, 1.5);
    EXPECT_NEAR(double(s.massFit.signal), signal, 0.15 * signal);

    // Students' table.
    ASSERT_EQ(s.students.size(), 25u);
    for (const auto& row : s.students) {
        const auto& w = students[(row.combination - 1) / 7];
        EXPECT_EQ(row.identity, w.identity);
        EXPECT_EQ(*row.entries, double(w.masses.size()));
        EXPECT_EQ(row.lifetimesSaved, int(w.lifetimes.lifetimes.size()));
    }
    EXPECT_EQ(s.students[0].name + "|" + s.students[0].surname + "|" + s.students[0].grade,
              "Ana|Student0|9");

    // Lifetime trends: upper IP cut (id 2) at three cuts, lower PT cut (id 1) at one.
    ASSERT_EQ(s.trends.size(), 2u);
    const TrendSummary& ip = s.trends[1];
    EXPECT_EQ(ip.trend, 2);
    EXPECT_EQ(ip.points.size(), 31u);
    ASSERT_EQ(ip.classMeans.size(), 3u);
    const double cuts[] = {-1.5, -1.0, 0.5};
    for (int k = 0; k < 3; ++k) {
        std::vector<double> v;
        for (int i = 0; i < 10; ++i)
            v.push_back(i == 3 && k == 1 ? 0.45 : 0.395 + 0.004 * k + 0.002 * i);
        const auto [m, spread] = meanAndSpread(v);
        EXPECT_EQ(ip.classMeans[k].cut, cuts[k]);
        EXPECT_EQ(ip.classMeans[k].students, 10);
        EXPECT_NEAR(ip.classMeans[k].mean, m, 1e-12);
        EXPECT_NEAR(ip.classMeans[k].spread, spread, 1e-12);
        EXPECT_EQ(ip.classMeans[k].lowest, *std::min_element(v.begin(), v.end()));
        EXPECT_EQ(ip.classMeans[k].highest, *std::max_element(v.begin(), v.end()));
    }
    ASSERT_EQ(s.trends[0].classMeans.size(), 1u);
    EXPECT_EQ(s.trends[0].classMeans[0].cut, 3.0);
    EXPECT_NEAR(s.trends[0].classMeans[0].mean, 0.415, 1e-12);

    // Exports: the ROOT file holds the sums, the CSV one line per student.
    const vexel::test::TemporaryFolder outFolder("vexel-class-export");
    const std::filesystem::path out = outFolder.path();
    writeClassExport((out / "class.root").string(), s, {}, 0);
    const rootio::FileReader back((out / "class.root").string());
    const rootio::Histogram1D h = back.readHistogram("classMass");
    for (int bin = 0; bin <= 51; ++bin)
        EXPECT_EQ(h.contents[bin], want.binContent(bin));
    EXPECT_EQ(back.readColumn("ClassMassFit", "mean"), std::vector<double>{mean});
    EXPECT_EQ(back.readColumn("ClassLifetimes", "students"), (std::vector<double>{4, 10, 10, 10}));
    ClassInput in;
    in.source = root.string();
    in.rows = collectRows(folder.files(), root.string());
    writeLessonDayCsv((out / "class.csv").string(),
                      combineLessonDay({in}, {}, DuplicateRule::CountOnce));
    std::ifstream csv(out / "class.csv");
    std::string line, all;
    int lines = 0;
    while (std::getline(csv, line) && !line.empty())
        lines += line[0] != '#', all += line + "\n";
    EXPECT_EQ(lines, 26);
    EXPECT_NE(all.find("Chloé,Student2,11,Chloé_Student2_11,15,44,4,"), std::string::npos);
    fs::remove_all(out);
    fs::remove_all(root);
}

TEST(ClassFolder, RescansReadOnlyWhatChanged) {
    const vexel::test::TemporaryFolder rootFolder("vexel-class-rescan");
    const std::filesystem::path root = rootFolder.path();
    auto students = classtest::testClass();
    students.resize(3);
    for (const auto& w : students)
        setAge(classtest::writeStudentWork(root, w), 600);
    ClassFolder folder(root.string());
    EXPECT_TRUE(folder.rescan());
    EXPECT_EQ(folder.filesReadLastScan(), 6);
    EXPECT_FALSE(folder.rescan());
    EXPECT_EQ(folder.filesReadLastScan(), 0);
    const double before = summarize(folder.files()).totalEntries();

    // A new student, then a student saving again with more masses, then a removal.
    StudentWork added = classtest::testClass()[20];
    const fs::path addedPath = classtest::writeStudentWork(root, added);
    EXPECT_TRUE(folder.rescan());
    EXPECT_EQ(folder.filesReadLastScan(), 1);
    EXPECT_EQ(summarize(folder.files()).totalEntries(), before + added.masses.size());
    students[1].masses.push_back(1864.0);
    classtest::writeStudentWork(root, students[1]);
    EXPECT_TRUE(folder.rescan());
    EXPECT_EQ(folder.filesReadLastScan(), 2); // histogram and lifetime file saved again
    EXPECT_EQ(summarize(folder.files()).totalEntries(), before + added.masses.size() + 1);
    fs::remove(addedPath);
    EXPECT_TRUE(folder.rescan());
    EXPECT_EQ(folder.filesReadLastScan(), 0);
    EXPECT_EQ(summarize(folder.files()).totalEntries(), before + 1);

    // A folder that is gone leaves nothing to use and no fit.
    fs::remove_all(root);
    EXPECT_TRUE(folder.rescan());
    EXPECT_FALSE(folder.readable());
    const ClassSummary empty = summarize(folder.files());
    EXPECT_TRUE(empty.used.empty());
    EXPECT_FALSE(empty.massFit.fit.valid);
}

TEST(ClassSummaryText, CombinationRanges) {
    EXPECT_EQ(combinationList({1, 2, 3, 5, 6, 9, 175}), "1-3, 5, 6, 9, 175");
}

TEST(WhichFileCounts, TheNewestGoodFileOfAStudentKindAndCombination) {
    std::map<std::string, CheckedFile> files;
    const auto add = [&](const std::string& path, const char* name, long long modified,
                         UnusedReason reason = UnusedReason::None) {
        CheckedFile f;
        f.path = path;
        f.name = studentfiles::parseStudentFileName(name);
        f.modified = modified;
        f.reason = reason;
        files[path] = f;
    };
    add("a/MassHistogram_3_Ana_Pop_9.root", "MassHistogram_3_Ana_Pop_9.root", 10);
    add("b/MassHistogram_3_Ana_Pop_9.root", "MassHistogram_3_Ana_Pop_9.root", 20,
        UnusedReason::Superseded); // judged again: it is the newest now
    add("c/MassHistogram_3_Ana_Pop_9.root", "MassHistogram_3_Ana_Pop_9.root", 30,
        UnusedReason::Damaged);                                                   // never counts
    add("a/D0Lifetime_3_Ana_Pop_9.root", "D0Lifetime_3_Ana_Pop_9.root", 5);       // other kind
    add("a/MassHistogram_4_Ana_Pop_9.root", "MassHistogram_4_Ana_Pop_9.root", 5); // other set
    add("x/MassHistogram_5_Ion_Rus_9.root", "MassHistogram_5_Ion_Rus_9.root", 7);
    add("y/MassHistogram_5_Ion_Rus_9.root", "MassHistogram_5_Ion_Rus_9.root", 7); // as new
    const std::map<std::string, std::string> expected{
        {"a/MassHistogram_3_Ana_Pop_9.root", "b/MassHistogram_3_Ana_Pop_9.root"},
        {"x/MassHistogram_5_Ion_Rus_9.root", "y/MassHistogram_5_Ion_Rus_9.root"}};
    EXPECT_EQ(filesThatDoNotCount(files), expected);
}
