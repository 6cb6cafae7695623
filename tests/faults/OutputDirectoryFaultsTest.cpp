// The output directory missing, removed after it was set, read-only or full: the student is
// told in their language, and the files saved before stay as they were. The cases run as an
// ordinary user, as on a school's computers.
#include "CanvasSaveMessages.h"
#include "FileSizeLimit.h"
#include "Frame.h"
#include "FrameTexts.h"
#include "GuiTestSupport.h"
#include "Languages.h"
#include "LauncherTexts.h"
#include "OrdinaryUser.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

std::map<QString, QByteArray> filesIn(const QString& dir) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir + "/" + name);
        if (f.open(QIODevice::ReadOnly))
            files[name] = f.readAll();
    }
    return files;
}

// The exercise in language `number` (1 EN, 2 FR, 5 RO), as the launcher starts it.
std::unique_ptr<TVSDReader> d0Exercise(const QString& output, int number = 1) {
    auto reader = std::make_unique<TVSDReader>(candidateFilePath().c_str());
    reader->pathSaveD0 = output;
    reader->setLang1(number);
    number == 2 ? reader->FR() : number == 5 ? reader->RO() : reader->EN();
    reader->ToStudent();
    reader->fName1->setText("mass");
    reader->SetFileName();
    reader->PlotD0Mass();
    return reader;
}

const vexel::Language& language(int number) {
    return vexel::Languages::installed().byNumber(number);
}

// Fills the disk holding `path` until a write fails.
void fillDisk(const QString& path) {
    QFile filler(path);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(64 * 1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

} // namespace

TEST(OutputDirectoryFaults, AMissingDirectoryIsRefusedAtOk) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    QTemporaryDir out;
    launcher l;
    l.EN();
    l.fTextEntry1141->setText(out.path());
    l.setOutputDir();
    const QString accepted = l.pathSave1;
    EXPECT_TRUE(accepted.startsWith(out.path()));
    vexel::test::clearMessages();
    l.fTextEntry1141->setText(out.path() + "/not/there");
    l.setOutputDir();
    EXPECT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(l.pathSave1, accepted);
}

TEST(OutputDirectoryFaults, ADirectoryRemovedAfterItWasSetIsReportedAtTheSave) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    QTemporaryDir parent;
    const QString gone = parent.path() + "/out/";
    ASSERT_TRUE(QDir().mkpath(gone));
    auto reader = d0Exercise(gone);
    Frame frame(1, "Ana_Pop_10", gone, 1, nullptr);
    ASSERT_TRUE(QDir(gone).removeRecursively());

    vexel::test::clearMessages();
    reader->SaveCanvas();
    EXPECT_EQ(vexel::test::messages().size(), 1u);
    vexel::test::clearMessages();
    frame.SaveHist();
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Error");
    // Nothing was written anywhere else instead.
    EXPECT_TRUE(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(OutputDirectoryFaults, AFullDiskKeepsTheFilesSavedBeforeAndTellsTheStudent) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    QTemporaryDir out;
    const QString dir = out.path() + "/";
    auto reader = d0Exercise(dir);
    Frame frame(1, "Ana_Pop_10", dir, 1, nullptr);
    reader->SaveCanvas();
    frame.SaveHist();
    const auto before = filesIn(out.path());
    ASSERT_EQ(before.size(), 5u); // four pictures of the canvas and the mass histogram

    reader->FitInvariantMass(); // the canvas changes: a new save would write other bytes
    vexel::test::clearMessages();
    {
        vexel::test::FileSizeLimit full(256);
        reader->SaveCanvas();
        frame.SaveHist();
    }
    ASSERT_EQ(vexel::test::messages().size(), 2u);
    for (const char* name : {"mass.root", "mass.eps", "mass.pdf", "mass.png"})
        EXPECT_TRUE(vexel::test::messages()[0].text.contains(name)) << name;
    EXPECT_EQ(filesIn(out.path()), before);
}

TEST(OutputDirectoryFaults, AFolderNotMadeYetIsCreatedAtOkAndTheHistogramLandsThere) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    QTemporaryDir parent;
    const QString results = parent.path() + "/results/";
    launcher l;
    l.FR();
    vexel::test::clearMessages();
    l.fTextEntry1141->setText(parent.path() + "/results");
    l.setOutputDir();
    EXPECT_EQ(l.pathSave1, results);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].text,
              LauncherTexts::forLanguage(2).folderCreated.arg(results));

    Frame frame(l.lang, "Ann_Lee_3b", l.pathSave1, 1, nullptr);
    frame.SaveHist();
    EXPECT_TRUE(QFileInfo(results + "MassHistogram_1_Ann_Lee_3b.root").isFile());
}

TEST(OutputDirectoryFaults, AReadOnlyFolderKeepsTheFilesSavedBeforeAndTellsTheStudentInFrench) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    QTemporaryDir out;
    const QString dir = out.path() + "/";
    auto reader = d0Exercise(dir, 2);
    Frame frame(2, "Ana_Pop_10", dir, 1, nullptr);
    reader->SaveCanvas();
    frame.SaveHist();
    const auto before = filesIn(out.path());
    ASSERT_EQ(before.size(), 5u);

    ASSERT_TRUE(QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::ExeOwner));
    reader->FitInvariantMass();
    vexel::test::clearMessages();
    reader->SaveCanvas();
    frame.SaveHist();
    const auto& shown = vexel::test::messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, vexel::CanvasSaveMessages::title(language(2)));
    EXPECT_EQ(shown[0].text, vexel::CanvasSaveMessages::directoryNotWritable(language(2), dir));
    EXPECT_EQ(shown[1].title, frameNoticeTexts(2).errorTitle);
    EXPECT_EQ(shown[1].text, frameNoticeTexts(2).accessDenied); // the same in every language
    EXPECT_NE(shown[0].text, vexel::CanvasSaveMessages::directoryNotWritable(language(1), dir));
    EXPECT_EQ(filesIn(out.path()), before);
}

TEST(OutputDirectoryFaults, AFullSmallDiskKeepsTheFilesSavedBeforeAndTellsTheStudentInRomanian) {
    if (vexel::test::ranAsOrdinaryUser(4 << 20))
        return;
    const QString dir = vexel::test::smallDisk() + "/";
    ASSERT_TRUE(QDir().mkpath(dir + "other"));
    auto reader = d0Exercise(dir, 5);
    Frame frame(5, "Ana_Pop_10", dir, 1, nullptr);
    reader->SaveCanvas();
    frame.SaveHist();
    const auto before = filesIn(dir);
    ASSERT_EQ(before.size(), 5u);

    fillDisk(dir + "other/filler");
    reader->FitInvariantMass();
    vexel::test::clearMessages();
    reader->SaveCanvas();
    frame.SaveHist();
    const auto& shown = vexel::test::messages();
    ASSERT_EQ(shown.size(), 2u);
    const vexel::Language& romanian = language(5);
    EXPECT_EQ(shown[0].title, vexel::CanvasSaveMessages::title(romanian));
    const QString notSaved =
        vexel::CanvasSaveMessages::report(romanian, {}, {"x"}).section('\n', 0, 0);
    EXPECT_TRUE(shown[0].text.startsWith(notSaved)) << shown[0].text.toStdString();
    EXPECT_NE(notSaved,
              vexel::CanvasSaveMessages::report(language(1), {}, {"x"}).section('\n', 0, 0));
    for (const char* name : {"mass.root", "mass.eps", "mass.pdf", "mass.png"})
        EXPECT_TRUE(shown[0].text.contains(name)) << name;
    EXPECT_EQ(shown[1].title, frameNoticeTexts(5).errorTitle);
    EXPECT_EQ(shown[1].text, frameNoticeTexts(5).accessDenied);
    EXPECT_EQ(filesIn(dir), before); // no temporaries left behind either

    // With room again, the same save goes through.
    ASSERT_TRUE(QFile::remove(dir + "other/filler"));
    vexel::test::clearMessages();
    frame.SaveHist();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, frameNoticeTexts(5).infoTitle);
}
