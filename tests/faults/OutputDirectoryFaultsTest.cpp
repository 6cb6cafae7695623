// The output directory missing, removed after it was set, or full: the student is told, and
// the files saved before stay as they were.
#include "FileSizeLimit.h"
#include "Frame.h"
#include "GuiTestSupport.h"
#include "LauncherTexts.h"
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

std::unique_ptr<TVSDReader> d0Exercise(const QString& output) {
    auto reader = std::make_unique<TVSDReader>(candidateFilePath().c_str());
    reader->pathSaveD0 = output;
    reader->EN();
    reader->ToStudent();
    reader->fName1->setText("mass");
    reader->SetFileName();
    reader->PlotD0Mass();
    return reader;
}

} // namespace

TEST(OutputDirectoryFaults, AMissingDirectoryIsRefusedAtOk) {
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
