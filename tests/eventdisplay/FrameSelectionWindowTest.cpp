#include "Browser.h"
#include "Canvas.h"
#include "EventDisplay.h"
#include "EventDisplayTestData.h"
#include "Frame.h"
#include "GuiTestSupport.h"
#include "Messages.h"
#include "QuitWhenNoWindowVisible.h"
#include "launcher.h"
#include "rootio/FileReader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

using vexel::test::RunDirectory;

// Readable failures.
void PrintTo(const QString& s, std::ostream* out) {
    *out << '"' << s.toStdString() << '"';
}
void PrintTo(const QStringList& l, std::ostream* out) {
    *out << '[' << l.join("|").toStdString() << ']';
}

namespace {

// Gives a record a four-momentum.
void setMomentum(rootio::TrackRecord& r, double E, double px, double py, double pz) {
    r.E = E;
    r.px = px;
    r.py = py;
    r.pz = pz;
}

// Records 1 and 2 (the kaon and the pion) have opposite momenta, so their
// invariant mass is the sum of their energies, `mass`. Record 3 with record 1
// gives `otherMass`; record 4 is so slow beside its momentum that with record 1
// it has no real mass.
std::vector<rootio::TrackRecord> eventWithMasses(int index, double mass, double otherMass) {
    auto event = vexel::test::testEvent(index, 8);
    setMomentum(event[1], 1000, 310.5, -220.25, 4100);
    setMomentum(event[2], mass - 1000, -310.5, 220.25, -4100);
    setMomentum(event[3], otherMass - 1000, -310.5, 220.25, -4100);
    setMomentum(event[4], 1, 9000, 0, 0);
    return event;
}

class FrameSelection : public ::testing::Test {
protected:
    void SetUp() override {
        vexel::test::clearMessages();
        vexel::test::clearWarnings();
        run = RunDirectory::withTestDetector();
        QDir().mkpath(run->path("out"));
        events = {eventWithMasses(0, 1864.8359, 1700), eventWithMasses(1, 1814.5, 1813.99),
                  eventWithMasses(2, 1915.0, 1915.01), eventWithMasses(3, 1870, 1880),
                  eventWithMasses(4, 1850, 1851)};
        run->writeEvents(5, events);
    }
    void TearDown() override {
        frame.reset();
        run.reset();
    }
    Frame& open(int lang, const QString& outputDirectory) {
        frame = std::make_unique<Frame>(lang, "Ann_Lee_3b", outputDirectory, 5, nullptr);
        return *frame;
    }
    template <typename T> T* widget(const char* name) {
        T* w = frame->browser()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* button(const char* name) { return widget<QPushButton>(name); }
    QString field(const char* name) { return widget<QLineEdit>(name)->text(); }
    QListWidget* list() { return widget<QListWidget>("fListBox1321"); }

    // Clicks the track of record k of the event shown, in the 3D view, at a point
    // where no other track lies in front of it; like a student, turns to the
    // projections when the track is hidden in the present view.
    void clickTrack(int k) {
        vexel::EventDisplay* display = frame->display();
        const auto& points = events[frame->exercise().currentEvent()][k].points;
        for (const char* view :
             {"", "fPictureButton861", "fPictureButton862", "fPictureButton863"}) {
            if (*view)
                QTest::mouseClick(button(view), Qt::LeftButton);
            display->renderNow();
            for (auto p = points.rbegin(); p != points.rend(); ++p) {
                const QPoint at = display->toWidget({(*p)[0], (*p)[1], (*p)[2]});
                if (display->pickLine(at) != display->line(k))
                    continue;
                QTest::mouseClick(display->vtkWidget(), Qt::LeftButton, Qt::NoModifier,
                                  display->vtkWidget()->mapFrom(display, at));
                return;
            }
        }
        ADD_FAILURE() << "no point of track " << k << " can be clicked";
    }
    // Picks record k through its line, as the view's click does.
    void pick(int k) { frame->OnClicked(frame->display()->line(k)); }
    void choose(int k) {
        pick(k);
        QTest::mouseClick(button("fTextButton1319"), Qt::LeftButton);
    }
    // Selects the list entry of row and presses Delete.
    void deleteRow(int row) {
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier,
                          l->visualItemRect(l->item(row)).center());
        ASSERT_TRUE(l->item(row)->isSelected());
        QTest::mouseClick(button("fTextButton753"), Qt::LeftButton);
    }
    void calculate() { QTest::mouseClick(button("fTextButton1335"), Qt::LeftButton); }
    void add() { QTest::mouseClick(button("fTextButton753a"), Qt::LeftButton); }
    QStringList lastMessage() {
        const auto& m = vexel::test::messages();
        if (m.empty())
            return {};
        return {m.back().title, m.back().text};
    }
    int entryId(int row) { return list()->item(row)->data(Qt::UserRole).toInt(); }
    vexel::Canvas* histogramCanvas() {
        return frame->browser()->findChild<vexel::Canvas*>("HistCanvas");
    }

    std::unique_ptr<RunDirectory> run;
    std::vector<std::vector<rootio::TrackRecord>> events;
    std::unique_ptr<Frame> frame;
};

} // namespace

TEST_F(FrameSelection, PickChooseCalculateAndAddOncePerEvent) {
    Frame& f = open(1, "");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.browser()));
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();

    // A click on the kaon's track fills the particle fields.
    clickTrack(1);
    ASSERT_TRUE(frame->exercise().selected().particleId);
    EXPECT_EQ(field("fTextEntry1311"), "K-");
    EXPECT_EQ(field("fTextEntry1305"), "493.68");
    EXPECT_EQ(field("fTextEntry1312"), "1000.00");
    EXPECT_EQ(field("fTextEntry1306"), "-1.00");
    EXPECT_EQ(field("fTextEntry1307"), "1.50");
    EXPECT_EQ(field("fTextEntry1308"), "310.50");
    EXPECT_EQ(field("fTextEntry799"), "-220.25");
    EXPECT_EQ(field("fTextEntry1309"), "4100.00");
    EXPECT_TRUE(button("fTextButton1319")->isEnabled());
    EXPECT_FALSE(button("fTextButton753")->isEnabled());

    // A click on empty space and a line without record change nothing.
    QTest::mouseClick(f.display()->vtkWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    f.OnClicked(nullptr);
    f.OnClicked(f.display()->line(0)); // the D0: a line without points
    EXPECT_EQ(field("fTextEntry1311"), "K-");

    QTest::mouseClick(button("fTextButton1319"), Qt::LeftButton);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), "My particle: K-");
    EXPECT_EQ(entryId(0), 0);
    EXPECT_TRUE(button("fTextButton753")->isEnabled());
    EXPECT_FALSE(button("fTextButton1335")->isEnabled());
    // The same track again is refused.
    QTest::mouseClick(button("fTextButton1319"), Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringList({"Error", "You have already added this particle."}));
    EXPECT_EQ(list()->count(), 1);

    clickTrack(2);
    EXPECT_EQ(field("fTextEntry1311"), "pi+");
    QTest::mouseClick(button("fTextButton1319"), Qt::LeftButton);
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(1)->text(), "My particle: pi+");
    EXPECT_EQ(entryId(1), 1);
    EXPECT_TRUE(button("fTextButton1335")->isEnabled());
    EXPECT_EQ(list()->geometry(), QRect(8, 24, 208, 36));
    vexel::test::saveScreenshot(widget<QWidget>("fMainFrame1460"), "selection_two_particles");
    choose(5);
    EXPECT_EQ(lastMessage(), QStringList({"Error", "You cannot have more than two particles."}));
    EXPECT_EQ(frame->exercise().particleCount(), 2);

    EXPECT_FALSE(button("fTextButton753a")->isEnabled());
    calculate();
    EXPECT_EQ(field("fTextEntry1337"), "1864.84");
    EXPECT_FLOAT_EQ(frame->exercise().mass(), 1864.8359f);
    EXPECT_TRUE(button("fTextButton753a")->isEnabled());
    EXPECT_FALSE(button("fTextButton1442")->isEnabled());
    vexel::test::clearMessages();
    add();
    EXPECT_TRUE(vexel::test::messages().empty());
    EXPECT_EQ(frame->exercise().histogram().binContent(25), 1);
    EXPECT_TRUE(frame->exercise().eventDone(0));
    EXPECT_TRUE(button("fTextButton1442")->isEnabled());
    EXPECT_FALSE(button("fTextButton758")->isEnabled());
    add();
    EXPECT_EQ(lastMessage(),
              QStringList({"Error", "You have already added new mass in histogram."}));
    EXPECT_EQ(frame->exercise().histogram().entries(), 1);

    // Another event: the panel is emptied, Draw keeps its state.
    QTest::mouseClick(button("fPictureButton715"), Qt::LeftButton);
    EXPECT_EQ(frame->exercise().currentEvent(), 1);
    for (const char* name :
         {"fTextButton1319", "fTextButton1335", "fTextButton753", "fTextButton753a"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(button("fTextButton1442")->isEnabled());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(field("fTextEntry1337").isEmpty());

    // 1814.5 is accepted into the underflow; 1813.99 is refused.
    choose(1);
    choose(3);
    calculate();
    EXPECT_EQ(field("fTextEntry1337"), "1813.99");
    add();
    EXPECT_EQ(lastMessage(), QStringList({"Error", "Mass is not in range. Please, try again."}));
    EXPECT_FALSE(frame->exercise().eventDone(1));
    deleteRow(1);
    choose(2);
    calculate();
    EXPECT_EQ(field("fTextEntry1337"), "1814.50");
    add();
    EXPECT_EQ(frame->exercise().histogram().binContent(0), 1);
    EXPECT_TRUE(frame->exercise().eventDone(1));

    // Away and back: this event has given its mass.
    f.Next();
    f.Back();
    EXPECT_EQ(frame->exercise().currentEvent(), 1);
    choose(1);
    choose(2);
    calculate();
    vexel::test::clearMessages();
    add();
    EXPECT_EQ(lastMessage(),
              QStringList({"Error", "You have already added new mass in histogram."}));
    EXPECT_EQ(frame->exercise().histogram().entries(), 2);

    // 1915 is accepted into the overflow, 1915.01 refused; no real mass is
    // refused too.
    f.Next();
    choose(1);
    choose(3);
    calculate();
    EXPECT_EQ(field("fTextEntry1337"), "1915.01");
    add();
    EXPECT_EQ(lastMessage(), QStringList({"Error", "Mass is not in range. Please, try again."}));
    deleteRow(1);
    choose(4);
    calculate();
    EXPECT_TRUE(field("fTextEntry1337").contains("nan")) << field("fTextEntry1337").toStdString();
    EXPECT_TRUE(std::isnan(frame->exercise().mass()));
    add();
    EXPECT_EQ(lastMessage(), QStringList({"Error", "Mass is not in range. Please, try again."}));
    deleteRow(1);
    choose(2);
    calculate();
    EXPECT_EQ(field("fTextEntry1337"), "1915.00");
    add();
    EXPECT_EQ(frame->exercise().histogram().binContent(51), 1);
    EXPECT_EQ(frame->exercise().histogram().entries(), 3);
    EXPECT_TRUE(frame->exercise().eventDone(2));
}

TEST_F(FrameSelection, DeletingParticles) {
    Frame& f = open(1, "");
    (void)f;
    // T1, T2, delete T1, T2 again: refused; T3 fills the first slot and Calculate
    // is on.
    choose(1);
    choose(2);
    deleteRow(0);
    EXPECT_TRUE(frame->exercise().firstSlotFreed());
    EXPECT_EQ(frame->exercise().particleCount(), 1);
    EXPECT_FALSE(button("fTextButton1335")->isEnabled());
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(entryId(0), 1);
    // The entry left is not selected for the student: Delete again removes nothing.
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    QTest::mouseClick(button("fTextButton753"), Qt::LeftButton);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(frame->exercise().particleCount(), 1);
    choose(2);
    EXPECT_EQ(lastMessage(), QStringList({"Error", "You have already added this particle."}));
    EXPECT_EQ(list()->count(), 1);
    EXPECT_FALSE(button("fTextButton1335")->isEnabled());
    choose(3);
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(1)->text(), "My particle: K-");
    EXPECT_EQ(entryId(1), 0);
    EXPECT_FALSE(frame->exercise().firstSlotFreed());
    EXPECT_TRUE(button("fTextButton1335")->isEnabled());
    EXPECT_EQ(*frame->exercise().firstParticle().particleId, "K-");
    EXPECT_EQ(frame->exercise().firstParticle().E, 700);
    EXPECT_EQ(*frame->exercise().secondParticle().particleId, "pi+");
    f.Reset();

    // T1, T2, delete both, then T3: first slot, Calculate stays off.
    choose(1);
    choose(2);
    deleteRow(0);
    deleteRow(0);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(frame->exercise().particleCount(), 0);
    QTest::mouseClick(button("fTextButton753"),
                      Qt::LeftButton); // nothing left to delete
    EXPECT_EQ(frame->exercise().particleCount(), 0);
    choose(3);
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(entryId(0), 0);
    EXPECT_FALSE(button("fTextButton1335")->isEnabled());
    choose(1);
    EXPECT_TRUE(button("fTextButton1335")->isEnabled());
    f.Reset();

    // Delete without a selected entry does nothing.
    choose(1);
    choose(2);
    list()->clearSelection();
    QTest::mouseClick(button("fTextButton753"), Qt::LeftButton);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(frame->exercise().particleCount(), 2);

    // After Delete the mass field is empty, Add keeps its state and adds the last
    // mass.
    calculate();
    EXPECT_EQ(field("fTextEntry1337"), "1864.84");
    deleteRow(1);
    EXPECT_TRUE(field("fTextEntry1337").isEmpty());
    EXPECT_FALSE(button("fTextButton1335")->isEnabled());
    EXPECT_TRUE(button("fTextButton753a")->isEnabled());
    add();
    EXPECT_EQ(frame->exercise().histogram().binContent(25), 1);
    EXPECT_TRUE(frame->exercise().eventDone(0));
}

TEST_F(FrameSelection, DrawAndSaveHistogram) {
    const QString out = run->path("out") + "/";
    Frame& f = open(1, out);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.browser()));
    auto* right = f.browser()->tabs(vexel::Browser::Right);
    for (int event = 0; event < 2; ++event) {
        choose(1);
        choose(2);
        calculate();
        add();
        f.Next();
    }
    EXPECT_EQ(frame->exercise().histogram().entries(), 2);

    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    EXPECT_TRUE(button("fTextButton758")->isEnabled());
    const int tab = f.browser()->findTab(vexel::Browser::Right, "My histogram");
    ASSERT_GE(tab, 0);
    EXPECT_EQ(right->currentIndex(), tab);
    vexel::Canvas* canvas = histogramCanvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->objectName(), "HistCanvas");
    EXPECT_EQ(right->widget(tab), canvas);
    EXPECT_FALSE(canvas->editable());
    auto shown = canvas->padHistograms(1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "My histogram");
    EXPECT_EQ(shown[0].nbins, 50);
    EXPECT_EQ(shown[0].contents[25], 1);
    EXPECT_EQ(shown[0].contents[0], 1);
    EXPECT_EQ(canvas->padTexts(1), QStringList({"My histogram"}));
    // The statistics box: both masses counted, the one in the underflow not averaged.
    const auto stats = canvas->padStatistics(1);
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->name, "hist");
    EXPECT_EQ(stats->rows()[0].second, "2");
    EXPECT_EQ(stats->rows()[1].second, "1864");
    EXPECT_EQ(stats->rows()[2].second, "0");
    QApplication::processEvents();
    vexel::test::saveScreenshot(f.browser(), "selection_my_histogram");

    // Drawn again from another tab: the same tab comes to the front with the new
    // content.
    choose(1);
    choose(2);
    calculate();
    add();
    right->setCurrentIndex(0);
    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    EXPECT_EQ(right->currentIndex(), tab);
    EXPECT_EQ(right->count(), 2);
    EXPECT_EQ(histogramCanvas(), canvas);
    EXPECT_FALSE(canvas->editable());
    shown = canvas->padHistograms(1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].contents[51], 1);

    // Closed by the student: Draw opens a new tab with a new canvas.
    f.browser()->closeRightTab(tab);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(histogramCanvas(), nullptr);
    EXPECT_EQ(right->count(), 1);
    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    EXPECT_EQ(right->count(), 2);
    ASSERT_NE(histogramCanvas(), nullptr);
    EXPECT_EQ(right->currentWidget(), histogramCanvas());
    EXPECT_EQ(histogramCanvas()->padHistograms(1).at(0).entries, 3);

    // Saved into the output directory; saving again replaces the file.
    const QString path = out + "MassHistogram_5_Ann_Lee_3b.root";
    vexel::test::clearMessages();
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringList({"Info", "You have successfully saved your histogram."}));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(rootio::FileReader(path.toStdString()).readHistogram("hist").entries, 3);
    f.Next();
    choose(1);
    choose(2);
    calculate();
    add(); // event 4: 1870
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    rootio::FileReader file(path.toStdString());
    ASSERT_EQ(file.keys().size(), 1u);
    EXPECT_EQ(file.keys()[0].name, "hist");
    EXPECT_EQ(file.keys()[0].className, "TH1F");
    EXPECT_EQ(file.keys()[0].title, "My histogram");
    const auto saved = file.readHistogram("hist");
    EXPECT_EQ(saved.entries, 4);
    EXPECT_EQ(saved.contents[25], 1);
    EXPECT_EQ(saved.contents[28], 1);
    EXPECT_EQ(saved.contents[0], 1);
    EXPECT_EQ(saved.contents[51], 1);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList({"MassHistogram_5_Ann_Lee_3b.root"}));

    // An output directory that is gone: "Access denied.", the histogram stays.
    QDir(out).removeRecursively();
    vexel::test::clearMessages();
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringList({"Error", "Access denied."}));
    EXPECT_EQ(frame->exercise().histogram().entries(), 4);
    QDir().mkpath(out);
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringList({"Info", "You have successfully saved your histogram."}));
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(FrameSelection, MessagesInTheWindowLanguage) {
    open(4, "");
    choose(1);
    choose(1);
    EXPECT_EQ(lastMessage(),
              QStringList({"Error", "Questa particella e' gia' stata selezionata."}));
    choose(2);
    calculate();
    add();
    add();
    EXPECT_EQ(lastMessage(),
              QStringList({"Error", "Hai gia' aggiunto questo valore di massa nell'istogramma"}));
    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringList({"Info", "Istogramma salvato con successo"}));
    EXPECT_TRUE(QFile::exists("MassHistogram_5_Ann_Lee_3b.root"));
}

// Moving on after the launcher's Exit brings the launcher back; the end of the program with
// a histogram never saved is asked for first.
TEST_F(FrameSelection, MovingOnShowsTheLauncherAndAnUnsavedHistogramIsAskedFor) {
    launcher l;
    frame = std::make_unique<Frame>(2, "Ann_Lee_3b", run->path("out") + "/", 5, &l);
    frame->setParent(nullptr); // the fixture owns the window here
    vexel::QuitWhenNoWindowVisible watcher(false);
    int ends = 0;
    QObject::connect(&watcher, &vexel::QuitWhenNoWindowVisible::noWindowVisible, [&] { ++ends; });
    QStringList questions;
    bool answer = false;
    const auto previous = vexel::setQuestionSink([&](const QString&, const QString& text) {
        questions << text;
        return answer;
    });
    auto leave = [&](QWidget* window) {
        window->hide();
        QApplication::processEvents();
    };

    leave(l.fMainFrame990); // the launcher's Exit
    choose(1);
    choose(2);
    calculate();
    add();
    QTest::mouseClick(button("fTextButton834"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(frame->browser()->isVisible());
    EXPECT_TRUE(l.fMainFrame990->isVisible());
    EXPECT_TRUE(l.fPictureButton785->isEnabled());
    EXPECT_EQ(ends, 0);

    // No: the event display comes back so that the histogram can be saved.
    leave(l.fMainFrame990);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], frameNoticeTexts(2).unsavedHistogram);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(frame->browser()->isVisible());
    // Saved: the program ends without a question.
    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    QTest::mouseClick(button("fTextButton834"), Qt::LeftButton);
    leave(l.fMainFrame990);
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(ends, 1);
    // A new mass, unsaved: Yes ends the program.
    frame->Next();
    choose(1);
    choose(2);
    calculate();
    add();
    answer = true;
    frame->browser()->show();
    leave(frame->browser());
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(ends, 2);
    vexel::setQuestionSink(previous);
}

TEST_F(FrameSelection, HistogramFileNamesWithAnyLettersAndTooLong) {
    const QString out = run->path("out") + "/";
    const QString accented = QString::fromUtf8("Ioană_Groß_Émile_Muñoz_中文_3b");
    for (const QString& student : {accented, QString(240, 'x')}) {
        frame = std::make_unique<Frame>(3, student.toUtf8().constData(), out, 5, nullptr);
        choose(1);
        choose(2);
        calculate();
        add();
        vexel::test::clearMessages();
        frame->SaveHist();
    }
    // The long name is refused with its reason, in German; the other one was saved.
    EXPECT_EQ(lastMessage(),
              QStringList({"Error", frameNoticeTexts(3).nameTooLong.arg(16 + 240 + 5)}));
    EXPECT_EQ(QDir(out).entryList(QDir::Files),
              QStringList({"MassHistogram_5_" + accented + ".root"}));
    frame->Draw();
    QApplication::processEvents();
    vexel::test::saveScreenshot(frame->browser(), "selection_my_histogram_de");
}

// With the generated data in the run directory: the kaon and the pion whose momenta add up
// to the D0's give a mass that is added to the histogram, in every event of a data set.
TEST(FrameSelectionGeneratedData, DaughtersOfTheD0AreAccepted) {
    if (!QFile::exists("share/VexelLumora/vexelfull.gdml") ||
        !QFile::exists("share/VexelLumora/lumoeventv2_D0_1.root"))
        GTEST_SKIP() << "no generated data in the run directory";
    vexel::test::clearMessages();
    Frame f(1, "Ann_Lee_3b", "", 1, nullptr);
    const EventExercise& exercise = f.exercise();
    ASSERT_GT(exercise.events(), 0);
    auto* add = f.browser()->findChild<QPushButton*>("fTextButton753a");
    for (int event = 0; event < exercise.events(); ++event) {
        const auto& records = exercise.records();
        int d0 = -1;
        for (std::size_t k = 0; k < records.size(); ++k)
            if (records[k].particleId && *records[k].particleId == "D0")
                d0 = static_cast<int>(k);
        ASSERT_GE(d0, 0) << "event " << event + 1;
        const VxLumoTrack& mother = records[static_cast<std::size_t>(d0)];
        int first = -1, second = -1;
        for (std::size_t i = 0; i < records.size(); ++i)
            for (std::size_t j = i + 1; j < records.size(); ++j)
                if (static_cast<int>(i) != d0 && static_cast<int>(j) != d0 &&
                    std::abs(records[i].px + records[j].px - mother.px) < 0.5 &&
                    std::abs(records[i].py + records[j].py - mother.py) < 0.5 &&
                    std::abs(records[i].pz + records[j].pz - mother.pz) < 0.5) {
                    first = static_cast<int>(i);
                    second = static_cast<int>(j);
                }
        ASSERT_GE(first, 0) << "event " << event + 1;
        f.OnClicked(f.display()->line(first));
        f.SaveParticle();
        f.OnClicked(f.display()->line(second));
        f.SaveParticle();
        f.Calculate();
        // Reconstructed momenta: the mass scatters around the D0's within the range.
        EXPECT_NEAR(exercise.mass(), mother.mass, 50.0) << "event " << event + 1;
        QTest::mouseClick(add, Qt::LeftButton);
        EXPECT_TRUE(exercise.eventDone(event)) << "event " << event + 1 << ": " << exercise.mass();
        f.Next();
    }
    EXPECT_EQ(exercise.histogram().entries(), exercise.events());
    f.Draw();
    QApplication::processEvents();
    vexel::test::saveScreenshot(f.browser(), "selection_my_histogram_generated");
    // Only the congratulations at the end.
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Congratulations!");
}
