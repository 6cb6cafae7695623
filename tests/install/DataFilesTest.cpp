#include "DataFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void touch(const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

// A working directory and an install prefix side by side in a fresh temporary folder.
struct Places {
    fs::path root = fs::temp_directory_path() / ("vexel-datafiles-" + std::to_string(getpid()));
    fs::path work = root / "work";
    fs::path prefix = root / "opt" / "vexel";
    fs::path program = prefix / "bin" / "Vexel_launcher";
    fs::path before = fs::current_path();
    Places() {
        fs::remove_all(root);
        fs::create_directories(work);
        fs::current_path(work);
    }
    ~Places() {
        fs::current_path(before);
        fs::remove_all(root);
    }
};

} // namespace

TEST(DataFiles, RelativeNamesOfTheRunDirectory) {
    EXPECT_EQ(DataFiles::detector(), "share/VexelLumora/vexelfull.gdml");
    EXPECT_EQ(DataFiles::eventFile(175), "share/VexelLumora/lumoeventv2_D0_175.root");
    EXPECT_EQ(DataFiles::candidates(), "share/VexelLumora/LumoraData_2012.root");
    EXPECT_EQ(DataFiles::logo(), "share/VexelLumora/vexel-logo.png");
    EXPECT_EQ(DataFiles::helpPicture(3), "Icons/help3.png");
}

TEST(DataFiles, WorkingDirectoryFirstThenPrefixThenUsrLocal) {
    Places p;
    const std::string program = p.program.string();
    // Pictures sit in the data folder under a prefix.
    EXPECT_EQ(DataFiles::placesFor("Icons/l2.png", program),
              (std::vector<std::string>{"Icons/l2.png",
                                        (p.prefix / "share/VexelLumora/Icons/l2.png").string(),
                                        "/usr/local/share/VexelLumora/Icons/l2.png"}));

    // Nowhere: locate gives the relative name, so messages name it as before.
    EXPECT_EQ(DataFiles::find(DataFiles::detector(), program), std::nullopt);
    EXPECT_EQ(DataFiles::locate(DataFiles::detector()), DataFiles::detector());

    touch(p.prefix / "share/VexelLumora/vexelfull.gdml");
    EXPECT_EQ(DataFiles::find(DataFiles::detector(), program),
              (p.prefix / "share/VexelLumora/vexelfull.gdml").string());

    // A copy in the working directory wins, as a run from the build's run directory expects.
    touch(p.work / "share/VexelLumora/vexelfull.gdml");
    EXPECT_EQ(DataFiles::find(DataFiles::detector(), program), DataFiles::detector());

    // A directory of that name is not the file.
    fs::create_directories(p.work / "Icons/l1.png");
    touch(p.prefix / "share/VexelLumora/Icons/l1.png");
    EXPECT_EQ(DataFiles::find("Icons/l1.png", program),
              (p.prefix / "share/VexelLumora/Icons/l1.png").string());

    // A program installed under /usr/local tries that folder once.
    EXPECT_EQ(DataFiles::placesFor("Icons/a.png", "/usr/local/bin/Vexel_launcher").size(), 2u);
}

TEST(DataFiles, ProgramFileIsThisTest) {
    EXPECT_EQ(fs::path(DataFiles::programFile()).filename(), "install_tests");
}

TEST(DataFiles, TeachersGuideOfTheLanguageElseEnglishElseNone) {
    Places p;
    const std::string program = p.program.string();
    const fs::path folder = p.prefix / "share/doc/vexel-lumora/guide";
    EXPECT_EQ(DataFiles::guideFolder(program), folder.string() + "/");
    EXPECT_EQ(DataFiles::guidePlaces("de", program),
              (std::vector<std::string>{"share/doc/vexel-lumora/guide/guide-de.html",
                                        (folder / "guide-de.html").string(),
                                        "/usr/share/doc/vexel-lumora/guide/guide-de.html"}));
    if (fs::exists("/usr/share/doc/vexel-lumora/guide/guide-en.html"))
        GTEST_SKIP() << "a teacher's guide is installed system-wide";
    EXPECT_EQ(DataFiles::findGuide("de", program), std::nullopt);
    touch(folder / "guide-en.html");
    EXPECT_EQ(DataFiles::findGuide("de", program), (folder / "guide-en.html").string());
    touch(folder / "guide-de.html");
    EXPECT_EQ(DataFiles::findGuide("de", program), (folder / "guide-de.html").string());
    touch("share/doc/vexel-lumora/guide/guide-de.html"); // a run from the build
    EXPECT_EQ(DataFiles::findGuide("de", program), "share/doc/vexel-lumora/guide/guide-de.html");
}
