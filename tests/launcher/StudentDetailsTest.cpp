#include "StudentDetails.h"
#include "LauncherTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StudentDetails, CompletenessNeedsAllThreeTextsAndACombination) {
    EXPECT_TRUE(StudentDetails::complete("Ann", "Lee", "3b", 12));
    EXPECT_FALSE(StudentDetails::complete("", "Lee", "3b", 12));
    EXPECT_FALSE(StudentDetails::complete("Ann", "", "3b", 12));
    EXPECT_FALSE(StudentDetails::complete("Ann", "Lee", "", 12));
    EXPECT_FALSE(StudentDetails::complete("Ann", "Lee", "3b", -1));
    EXPECT_FALSE(StudentDetails::complete("Ann", "Lee", "3b", 0));
}

TEST(StudentDetails, IdentityKeepsTheTextsAsTyped) {
    EXPECT_EQ(StudentDetails::identity("Ann", "Lee", "3b"), "Ann_Lee_3b");
    EXPECT_EQ(StudentDetails::identity(" Mary Ann", "van_Dijk", "3 b"), " Mary Ann_van_Dijk_3 b");
}

TEST(StudentDetails, OutputDirectoryNeedsTwoCharactersAndEndsWithSlash) {
    EXPECT_EQ(StudentDetails::outputDirectory("results").value(), "results/");
    EXPECT_EQ(StudentDetails::outputDirectory("results/").value(), "results/");
    EXPECT_EQ(StudentDetails::outputDirectory("/tmp").value(), "/tmp/");
    EXPECT_FALSE(StudentDetails::outputDirectory("r").has_value());
    EXPECT_FALSE(StudentDetails::outputDirectory("").has_value());
    EXPECT_FALSE(StudentDetails::outputDirectory("/").has_value());
}

TEST(LauncherTexts, EachLanguageHasItsOwnTextsAndUnknownCodesAreEnglish) {
    EXPECT_EQ(LauncherTexts::forLanguage(1).save, "Save");
    EXPECT_EQ(LauncherTexts::forLanguage(2).save, "Enregistrer l'exercice");
    EXPECT_EQ(LauncherTexts::forLanguage(3).name, "Vorname");
    EXPECT_EQ(LauncherTexts::forLanguage(4).detailsTitle, "Inserisci i tuoi dati");
    EXPECT_EQ(LauncherTexts::forLanguage(5).languagesTitle, "Limbi");
    EXPECT_EQ(LauncherTexts::forLanguage(5).name, "Prenume");
    EXPECT_EQ(LauncherTexts::forLanguage(0).about, "About");
    EXPECT_EQ(LauncherTexts::forLanguage(9).exit, "Exit");
}

TEST(StudentDetails, OutputDirectoryCheckExpandsHomeAndRefusesWhatCannotBeWritten) {
    using C = StudentDetails::OutputDirectoryCheck;
    const QString home = QDir::tempPath();
    EXPECT_EQ(StudentDetails::checkOutputDirectory("~/", home).directory, home + "/");
    EXPECT_EQ(StudentDetails::checkOutputDirectory("~/", home + "/").outcome, C::Accepted);
    EXPECT_EQ(StudentDetails::checkOutputDirectory("~", home).outcome, C::TooShort);
    const auto missing = StudentDetails::checkOutputDirectory("~/no/such/folder", home);
    EXPECT_EQ(missing.outcome, C::Missing);
    EXPECT_EQ(missing.directory, home + "/no/such/folder/");
    // A file is not a folder; /proc takes no new files, whoever asks.
    EXPECT_EQ(StudentDetails::checkOutputDirectory("/proc/self/status", home).outcome, C::Missing);
    EXPECT_EQ(StudentDetails::checkOutputDirectory("/proc", home).outcome, C::NotWritable);
    EXPECT_EQ(StudentDetails::checkOutputDirectory("a~/b", home).directory, "a~/b/");
}

TEST(StudentDetails, AMissingFolderIsCreatedWhenItsParentExists) {
    using C = StudentDetails::OutputDirectoryCheck;
    QTemporaryDir work;
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());
    // As a class is told to type it: made in the working folder, and only once.
    EXPECT_EQ(StudentDetails::checkOutputDirectory("results/", work.path()).outcome, C::Created);
    EXPECT_TRUE(QFileInfo(work.filePath("results")).isDir());
    EXPECT_EQ(StudentDetails::checkOutputDirectory("results", work.path()).outcome, C::Accepted);
    // Two missing levels, a folder that cannot be made: refused, nothing left behind.
    EXPECT_EQ(StudentDetails::checkOutputDirectory("a/b/", work.path()).outcome, C::Missing);
    EXPECT_FALSE(QFileInfo::exists(work.filePath("a")));
    EXPECT_EQ(StudentDetails::checkOutputDirectory("/proc/results", work.path()).outcome,
              C::NotWritable);
    QDir::setCurrent(before);
}
