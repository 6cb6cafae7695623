#include "EventExercise.h"
#include "DataFiles.h"
#include "EventDisplayTestData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using Move = EventExercise::Move;
using Added = EventExercise::Added;

namespace {

// Records 1 and 2 have opposite momenta: their invariant mass is the sum of their energies.
std::vector<rootio::TrackRecord> eventOfMass(int index, double mass) {
    auto event = vexel::test::testEvent(index, 6);
    event[1].E = 1000;
    event[1].px = 310.5;
    event[2].E = mass - 1000;
    event[2].px = -310.5;
    event[1].py = event[2].py = event[1].pz = event[2].pz = 0;
    return event;
}

const VxLumoTrack* pick(EventExercise& exercise, int k) {
    const VxTrackPoints& points = *exercise.records().at(static_cast<std::size_t>(k)).track;
    return exercise.pick(points.front(), points.back());
}

// Picks record k and saves it; fails unless it lands as expected.
::testing::AssertionResult choose(EventExercise& exercise, int k, SlotChoice expected,
                                  int id = -1) {
    if (!pick(exercise, k))
        return ::testing::AssertionFailure() << "record " << k << " not picked";
    const auto choice = exercise.saveParticle();
    if (choice.slot != expected || choice.id != id)
        return ::testing::AssertionFailure()
               << "record " << k << ": slot " << static_cast<int>(choice.slot) << ", id "
               << choice.id;
    return ::testing::AssertionSuccess();
}

class EventExerciseModel : public ::testing::Test {
protected:
    void SetUp() override {
        run.writeEvents(4, {eventOfMass(0, 1864.8), eventOfMass(1, 1700), eventOfMass(2, 1900)});
    }
    vexel::test::RunDirectory run;
    EventExercise exercise{"Ann_Lee_3b"};
};

} // namespace

TEST_F(EventExerciseModel, OpensTheDataSetAndMovesBetweenEvents) {
    EXPECT_EQ(exercise.next(), Move::NoEvents);
    EXPECT_EQ(exercise.add(), Added::NoEvent);
    // Combination 0 is taken as 1, whose file is missing here.
    EXPECT_EQ(exercise.openDataSet(0), EventExercise::DataSet::Unreadable);
    EXPECT_NE(exercise.problem().find("lumoeventv2_D0_1.root"), std::string::npos);
    EXPECT_EQ(exercise.histogramFileTail(), "1_Ann_Lee_3b.root");
    EXPECT_TRUE(exercise.readEvent());
    EXPECT_TRUE(exercise.records().empty());

    ASSERT_EQ(exercise.openDataSet(4), EventExercise::DataSet::Opened);
    EXPECT_EQ(exercise.eventFilePath(), "share/VexelLumora/lumoeventv2_D0_4.root");
    EXPECT_EQ(exercise.events(), 3);
    ASSERT_TRUE(exercise.readEvent());
    ASSERT_EQ(exercise.records().size(), 6u);
    EXPECT_EQ(exercise.recordsByKey().size(), 6u);
    const auto& third = (*exercise.records()[2].track)[0];
    EXPECT_EQ(exercise.viewCentre(), (std::array<double, 3>{third[0], third[1], third[2]}));

    EXPECT_EQ(exercise.back(), Move::FirstEventShown);
    EXPECT_EQ(exercise.recordsByKey().size(), 6u); // nothing changed
    EXPECT_EQ(exercise.next(), Move::Moved);
    EXPECT_TRUE(exercise.recordsByKey().empty()); // the picks of the event left are gone
    EXPECT_EQ(exercise.next(), Move::Moved);
    EXPECT_EQ(exercise.next(), Move::LastEventShown);
    EXPECT_EQ(exercise.currentEvent(), 2);
    EXPECT_EQ(exercise.back(), Move::Moved);
    EXPECT_EQ(exercise.currentEvent(), 1);

    // An unreadable file: no events, nothing to move to.
    QFile junk(run.path(QString::fromStdString(DataFiles::eventFile(4))));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
    junk.write("not a ROOT file");
    junk.close();
    EXPECT_EQ(exercise.openDataSet(4), EventExercise::DataSet::Unreadable);
    EXPECT_EQ(exercise.events(), 0);
    EXPECT_EQ(exercise.currentEvent(), 0);
}

TEST_F(EventExerciseModel, ChoosesTwoParticlesAndAddsOneMassPerEvent) {
    ASSERT_EQ(exercise.openDataSet(4), EventExercise::DataSet::Opened);
    ASSERT_TRUE(exercise.readEvent());
    EXPECT_EQ(exercise.pick({1e6f, 1e6f, 0}, {-1e6f, 0, 0}), nullptr);

    EXPECT_TRUE(choose(exercise, 1, SlotChoice::FirstSlot, 0));
    EXPECT_TRUE(choose(exercise, 1, SlotChoice::AlreadyChosen));
    EXPECT_TRUE(choose(exercise, 2, SlotChoice::SecondSlot, 1));
    EXPECT_TRUE(choose(exercise, 3, SlotChoice::TooMany));
    EXPECT_EQ(exercise.particleCount(), 2);
    // The first slot freed: the second is compared, the first refilled.
    EXPECT_TRUE(exercise.deleteParticle(0));
    EXPECT_TRUE(exercise.firstSlotFreed());
    EXPECT_TRUE(choose(exercise, 2, SlotChoice::AlreadyChosen));
    EXPECT_TRUE(choose(exercise, 3, SlotChoice::FirstSlot, 0));
    EXPECT_FALSE(exercise.firstSlotFreed());
    EXPECT_TRUE(choose(exercise, 1, SlotChoice::TooMany));
    EXPECT_TRUE(exercise.deleteParticle(0));
    EXPECT_TRUE(choose(exercise, 1, SlotChoice::FirstSlot, 0));

    EXPECT_NEAR(exercise.calculate(), 1864.8f, 1e-3);
    EXPECT_FALSE(exercise.histogramUnsaved());
    EXPECT_EQ(exercise.add(), Added::Added);
    EXPECT_TRUE(exercise.eventDone(0));
    EXPECT_TRUE(exercise.histogramUnsaved());
    EXPECT_EQ(exercise.add(), Added::AlreadyAdded);
    EXPECT_EQ(exercise.histogram().entries(), 1);

    // Event 2 (1700): out of range, not done; back to event 1: still done.
    exercise.resetChoice();
    EXPECT_FALSE(exercise.deleteParticle(1));
    ASSERT_EQ(exercise.next(), Move::Moved);
    ASSERT_TRUE(exercise.readEvent());
    EXPECT_TRUE(choose(exercise, 1, SlotChoice::FirstSlot, 0));
    EXPECT_TRUE(choose(exercise, 2, SlotChoice::SecondSlot, 1));
    exercise.calculate();
    EXPECT_EQ(exercise.add(), Added::OutOfRange);
    EXPECT_FALSE(exercise.eventDone(1));
    ASSERT_EQ(exercise.back(), Move::Moved);
    EXPECT_EQ(exercise.add(), Added::AlreadyAdded);

    exercise.restart();
    EXPECT_EQ(exercise.currentEvent(), 0);
    EXPECT_FALSE(exercise.eventDone(0));
    EXPECT_EQ(exercise.histogram().entries(), 0);
    EXPECT_FALSE(exercise.histogramUnsaved());
    EXPECT_EQ(exercise.events(), 3);
}

TEST_F(EventExerciseModel, SavesTheHistogramUnderTheStudentsName) {
    ASSERT_TRUE(QDir().mkpath(run.path("out")));
    const std::string out = QFile::encodeName(run.path("out")).toStdString() + "/";
    auto addFirstMass = [](EventExercise& e) {
        ASSERT_EQ(e.openDataSet(4), EventExercise::DataSet::Opened);
        ASSERT_TRUE(e.readEvent());
        EXPECT_TRUE(choose(e, 1, SlotChoice::FirstSlot, 0));
        EXPECT_TRUE(choose(e, 2, SlotChoice::SecondSlot, 1));
        e.calculate();
        ASSERT_EQ(e.add(), Added::Added);
    };
    addFirstMass(exercise);
    EXPECT_EQ(exercise.saveHistogram(out), EventExercise::Saved::Saved);
    EXPECT_TRUE(QFile::exists(run.path("out/MassHistogram_4_Ann_Lee_3b.root")));
    EXPECT_FALSE(exercise.histogramUnsaved());

    // Letters beyond ASCII are kept in the file name.
    const QString student = QString::fromUtf8("Ioană_Groß_Émile_Muñoz_中文_3b");
    EventExercise accented(student.toUtf8().toStdString());
    addFirstMass(accented);
    EXPECT_EQ(accented.saveHistogram(out), EventExercise::Saved::Saved) << accented.problem();
    EXPECT_TRUE(QFile::exists(run.path("out/MassHistogram_4_" + student + ".root")));

    // A file name of 255 bytes saves; one byte more is refused before anything is written.
    EventExercise longest(std::string(234, 'a'));
    addFirstMass(longest);
    EXPECT_EQ(longest.saveHistogram(out), EventExercise::Saved::Saved) << longest.problem();
    EventExercise longName(std::string(235, 'a'));
    addFirstMass(longName);
    EXPECT_EQ(longName.histogramPath(out).size() - out.size(), 256u);
    EXPECT_EQ(longName.saveHistogram(out), EventExercise::Saved::NameTooLong);
    EXPECT_TRUE(longName.histogramUnsaved());
    EXPECT_EQ(QDir(run.path("out")).entryList(QDir::Files).size(), 3);

    // A directory that is gone: a failure with its reason; the histogram stays unsaved.
    EventExercise lost("Ann_Lee_3b");
    addFirstMass(lost);
    EXPECT_EQ(lost.saveHistogram(out + "gone/"), EventExercise::Saved::Failed);
    EXPECT_FALSE(lost.problem().empty());
    EXPECT_TRUE(lost.histogramUnsaved());
}
