// No output folder chosen and a working directory the student cannot write to: the files go
// to the documents folder (made when missing) and the student is told where, in their
// language; with no home to write to either, the save fails and says so.
#include "Frame.h"
#include "FrameTexts.h"
#include "GuiTestSupport.h"
#include "Languages.h"
#include "OrdinaryUser.h"
#include "StudentFilesFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kHistogram = "MassHistogram_1_Ana_Pop_10.root";

bool makeReadOnly(const QString& path) {
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
}

// The working directory, read-only, for as long as it lives.
class ReadOnlyWorkingDirectory {
public:
    ReadOnlyWorkingDirectory() : previous_(QDir::currentPath()) {
        valid_ = dir_.isValid() && makeReadOnly(dir_.path()) && QDir::setCurrent(dir_.path());
    }
    ~ReadOnlyWorkingDirectory() { QDir::setCurrent(previous_); }
    bool valid() const { return valid_; }
    bool empty() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
    }

private:
    QTemporaryDir dir_;
    QString previous_;
    bool valid_ = false;
};

// Two saves of the histogram in language `number`: the first tells where the files are.
void savesIntoTheDocumentsFolder(int number) {
    const QString folder = QDir::homePath() + "/Documents/VexelLumora/";
    const vexel::Language& language = vexel::Languages::installed().byNumber(number);
    const FrameNoticeTexts notices = frameNoticeTexts(number);
    Frame frame(number, "Ana_Pop_10", "", 1, nullptr);
    ReadOnlyWorkingDirectory here;
    ASSERT_TRUE(here.valid());

    vexel::test::clearMessages();
    frame.SaveHist();
    const auto& shown = vexel::test::messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, StudentFilesFolder::savedInMessage(language, folder));
    EXPECT_NE(shown[0].text, StudentFilesFolder::savedInMessage(
                                 vexel::Languages::installed().byNumber(1), folder));
    EXPECT_EQ(shown[1].title, notices.infoTitle);
    EXPECT_TRUE(QFileInfo(folder + kHistogram).size() > 0);

    vexel::test::clearMessages();
    frame.SaveHist();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, notices.infoTitle);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{kHistogram});
    EXPECT_TRUE(here.empty());
}

} // namespace

TEST(WorkingDirectoryFaults, ReadOnlyWithADocumentsFolderSavesThereAndSaysSoInGerman) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    ASSERT_TRUE(QDir().mkpath(QDir::homePath() + "/Documents"));
    savesIntoTheDocumentsFolder(3);
}

TEST(WorkingDirectoryFaults, ReadOnlyWithoutADocumentsFolderMakesItAndSaysSoInItalian) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    ASSERT_FALSE(QFileInfo::exists(QDir::homePath() + "/Documents"));
    savesIntoTheDocumentsFolder(4);
}

TEST(WorkingDirectoryFaults, ReadOnlyWithAHomeThatCannotBeWrittenToFailsAndSaysSo) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    // As for "nobody", whose home is not there to write to.
    ASSERT_TRUE(makeReadOnly(QDir::homePath()));
    const FrameNoticeTexts notices = frameNoticeTexts(2);
    Frame frame(2, "Ana_Pop_10", "", 1, nullptr);
    ReadOnlyWorkingDirectory here;
    ASSERT_TRUE(here.valid());
    vexel::test::clearMessages();
    frame.SaveHist();
    // Only the failure: no message naming a folder where nothing was saved.
    const auto& shown = vexel::test::messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, notices.errorTitle);
    EXPECT_EQ(shown[0].text, notices.accessDenied);
    EXPECT_FALSE(QFileInfo::exists(QDir::homePath() + "/Documents"));
    EXPECT_TRUE(here.empty());
}
