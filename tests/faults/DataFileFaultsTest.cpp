// Every data file in turn missing, empty, truncated, with flipped bytes, replaced by a ROOT
// file of another kind, or unreadable: the student gets a message, nothing crashes, and the
// parts of the program that do not need that file still work. Run as an ordinary user.
#include "Browser.h"
#include "DataFiles.h"
#include "EventDisplay.h"
#include "FaultyRunDirectory.h"
#include "Frame.h"
#include "GuiTestSupport.h"
#include "OrdinaryUser.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

using vexel::test::Fault;
using vexel::test::FaultyRunDirectory;

namespace {

QString detectorFile() {
    return QString::fromStdString(DataFiles::detector());
}
QString eventFile() {
    return QString::fromStdString(DataFiles::eventFile(1));
}
QString candidateFile() {
    return QString::fromStdString(DataFiles::candidates());
}

QString allMessages() {
    QString all;
    for (const auto& m : vexel::test::messages())
        all += m.title + ": " + m.text + "\n";
    return all;
}

// The event exercise on data set 1, stepped forward and back.
std::unique_ptr<Frame> eventExercise() {
    auto frame = std::make_unique<Frame>(1, "Ana_Pop_10", "", 1, nullptr);
    frame->Next();
    frame->Back();
    return frame;
}

// The D0 exercise with its window, the mass plotted and fitted.
bool d0ExerciseWorks() {
    try {
        TVSDReader reader(candidateFilePath().c_str());
        reader.EN();
        reader.ToStudent();
        reader.PlotD0Mass();
        reader.FitInvariantMass();
        return reader.fittedMass();
    } catch (const MissingDataFile&) {
        return false;
    }
}

class DataFileFaults : public ::testing::Test {
protected:
    // In the process that runs the case as an ordinary user.
    void makeRunDirectory() {
        vexel::test::clearMessages();
        run = std::make_unique<FaultyRunDirectory>();
        ASSERT_TRUE(run->valid()) << "needs the generated run directory";
    }
    std::unique_ptr<FaultyRunDirectory> run;
};

} // namespace

TEST_F(DataFileFaults, DetectorFile) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    ASSERT_NO_FATAL_FAILURE(makeRunDirectory());
    for (Fault fault : vexel::test::kAllFaults) {
        if (!vexel::test::faultAvailable(fault))
            continue;
        SCOPED_TRACE(vexel::test::faultName(fault));
        run->breakFile(detectorFile(), fault);
        vexel::test::clearMessages();
        auto frame = eventExercise();
        EXPECT_TRUE(allMessages().contains("geometry")) << allMessages().toStdString();
        // The tracks are still shown and the analysis still runs.
        EXPECT_GT(frame->display()->lineCount(), 0);
        frame.reset();
        EXPECT_TRUE(d0ExerciseWorks());
    }
}

TEST_F(DataFileFaults, EventFileOfTheChosenCombination) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    ASSERT_NO_FATAL_FAILURE(makeRunDirectory());
    for (Fault fault : vexel::test::kAllFaults) {
        if (!vexel::test::faultAvailable(fault))
            continue;
        SCOPED_TRACE(vexel::test::faultName(fault));
        run->breakFile(eventFile(), fault);
        vexel::test::clearMessages();
        auto frame = eventExercise();
        EXPECT_TRUE(allMessages().contains("data set 1") || allMessages().contains("Event "))
            << allMessages().toStdString();
        // The detector is still drawn and the analysis still runs.
        EXPECT_TRUE(frame->display()->hasDetector());
        frame.reset();
        EXPECT_TRUE(d0ExerciseWorks());
    }
}

TEST_F(DataFileFaults, CandidateFile) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    ASSERT_NO_FATAL_FAILURE(makeRunDirectory());
    for (Fault fault : vexel::test::kAllFaults) {
        if (!vexel::test::faultAvailable(fault))
            continue;
        SCOPED_TRACE(vexel::test::faultName(fault));
        run->breakFile(candidateFile(), fault);
        vexel::test::clearMessages();
        launcher l;
        l.EN();
        l.start2();
        EXPECT_FALSE(vexel::test::messages().empty());
        // The student can try again, and the event exercise still works.
        EXPECT_TRUE(l.fPictureButton785->isEnabled());
        vexel::test::clearMessages();
        auto frame = eventExercise();
        EXPECT_GT(frame->display()->lineCount(), 0);
        EXPECT_TRUE(vexel::test::messages().empty()) << allMessages().toStdString();
    }
}

TEST_F(DataFileFaults, EveryPicture) {
    if (vexel::test::ranAsOrdinaryUser())
        return;
    ASSERT_NO_FATAL_FAILURE(makeRunDirectory());
    for (Fault fault : vexel::test::kAllFaults) {
        if (!vexel::test::faultAvailable(fault))
            continue;
        SCOPED_TRACE(vexel::test::faultName(fault));
        for (const QString& picture : FaultyRunDirectory::pictures())
            run->breakFile(picture, fault);
        // Every window that shows a picture opens and works.
        launcher l;
        l.EN();
        auto frame = eventExercise();
        frame->Help();
        frame->Hint();
        EXPECT_GT(frame->display()->lineCount(), 0);
        frame.reset();
        EXPECT_TRUE(d0ExerciseWorks());
    }
}
