#include "ClassFolderMaker.h"
#include "TemporaryFolder.h"

#include "classroom/ClassFolder.h"
#include "classroom/ClassSummary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun runClass(const std::string& args) {
    CliRun r;
    FILE* p = ::popen((std::string(VEXEL_CLASS_CLI) + " " + args + " 2>/dev/null").c_str(), "r");
    char buf[4096];
    for (std::size_t n; p && (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        r.out.append(buf, n);
    const int status = p ? ::pclose(p) : -1;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

} // namespace

TEST(ClassCommandLine, PrintsTheSameNumbersAndWritesWhatIsAsked) {
    const vexel::test::TemporaryFolder rootFolder("vexel-class-cli");
    const std::filesystem::path root = rootFolder.path();
    EXPECT_EQ(runClass(root.string()).status, 1); // no valid file
    EXPECT_EQ(runClass("").status, 2);
    EXPECT_EQ(runClass(root.string() + " --csv").status, 2);

    auto students = classtest::testClass();
    students.resize(8);
    for (const auto& w : students)
        classtest::writeStudentWork(root, w);
    std::ofstream(root / "MassHistogram_3_Text_File_9.root") << "text\n";
    const CliRun r =
        runClass(root.string() + " --csv " + (root / "out.csv").string() + " --root " +
                 (root / "out.root").string() + " --png " + (root / "out.png").string());
    EXPECT_EQ(r.status, 0) << r.out;

    // The export and the folder again: the same combinations twice, counted once.
    const fs::path exported = root.parent_path() / (root.filename().string() + "-export.root");
    fs::rename(root / "out.root", exported);
    const CliRun both = runClass(exported.string() + " " + root.string());
    fs::remove(exported);
    EXPECT_EQ(both.status, 0);
    const std::string total =
        both.out.substr(std::min(both.out.find("== All classes =="), both.out.size()));
    EXPECT_NE(total.find("Analysed more than once: 1, 8, 15"), std::string::npos) << both.out;

    fs::remove(root / "out.csv"), fs::remove(root / "out.png");
    classroom::ClassFolder folder(root.string());
    folder.rescan();
    const classroom::ClassSummary s = classroom::summarize(folder.files());
    ASSERT_TRUE(s.massFit.fit.valid);
    EXPECT_NE(total.find("total entries: " + std::to_string(int(s.totalEntries())) + "\n"),
              std::string::npos);
    char mass[128];
    std::snprintf(mass, sizeof mass, "Fitted D0 mass: %.2f +- %.2f MeV/c2",
                  s.massFit.fit.parameters[1], s.massFit.fit.errors[1]);
    EXPECT_NE(r.out.find(mass), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Files used: 16\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("MassHistogram_3_Text_File_9.root: not a ROOT file"), std::string::npos);
    EXPECT_NE(r.out.find("total entries: " + std::to_string(int(s.totalEntries()))),
              std::string::npos);
    EXPECT_NE(r.out.find("cut   -1.00: "), std::string::npos);

    // The outputs were written (and removed again above, before the folder was read).
    const CliRun again = runClass(root.string() + " --csv " + (root / "out.csv").string() +
                                  " --png " + (root / "out.png").string());
    EXPECT_EQ(again.status, 0);
    EXPECT_GT(fs::file_size(root / "out.png"), 1000u);
    std::ifstream csv(root / "out.csv");
    std::string header;
    while (std::getline(csv, header) && header.rfind('#', 0) == 0) {
    }
    EXPECT_EQ(header.rfind("name,surname,grade,identity,combination,entries", 0), 0u);
    EXPECT_EQ(runClass(root.string() + " --root " + (root / "no/such/dir.root").string()).status,
              3);
    fs::remove_all(root);
}
