#include "Browser.h"
#include "EventDisplay.h"
#include "EventDisplayTestData.h"
#include "Frame.h"
#include "FrameTexts.h"
#include "FrameTrackColours.h"
#include "GuiTestSupport.h"
#include "PickKey.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using vexel::test::RunDirectory;

namespace {

class FrameWindow : public ::testing::Test {
protected:
    void SetUp() override {
        vexel::test::clearMessages();
        vexel::test::clearWarnings();
        run = RunDirectory::withTestDetector();
    }
    void TearDown() override {
        frames.clear();
        run.reset();
    }
    Frame& open(int lang, int combination) {
        frames.push_back(std::make_unique<Frame>(lang, "Ann_Lee_3b", "", combination, nullptr));
        return *frames.back();
    }
    template <typename T> T* widget(Frame& f, const char* name) {
        T* w = f.browser()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::vector<std::vector<rootio::TrackRecord>> events(int n, int tracks = 8) {
        std::vector<std::vector<rootio::TrackRecord>> all;
        for (int i = 0; i < n; ++i)
            all.push_back(vexel::test::testEvent(i, tracks));
        return all;
    }

    std::unique_ptr<RunDirectory> run;
    std::vector<std::unique_ptr<Frame>> frames;
};

double axisAlignment(const vexel::EventDisplay& d, int axis) {
    const auto f = d.cameraFocalPoint();
    const auto p = d.cameraPosition();
    double n = 0;
    for (int i = 0; i < 3; ++i)
        n += (f[i] - p[i]) * (f[i] - p[i]);
    return std::abs(f[axis] - p[axis]) / std::sqrt(n);
}

double cameraDistance(const vexel::EventDisplay& d) {
    const auto f = d.cameraFocalPoint();
    const auto p = d.cameraPosition();
    return std::sqrt((f[0] - p[0]) * (f[0] - p[0]) + (f[1] - p[1]) * (f[1] - p[1]) +
                     (f[2] - p[2]) * (f[2] - p[2]));
}

} // namespace

TEST_F(FrameWindow, OpensWithLayoutStatesAndConnections) {
    run->writeEvents(3, events(4));
    Frame& f = open(1, 3);
    const EventExercise& exercise = f.exercise();
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();
    EXPECT_TRUE(vexel::test::messages().empty());

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int mainFrameWidth = static_cast<int>(static_cast<unsigned>(screen.width() * 0.9));
    const int mainFrameHeight = static_cast<int>(static_cast<unsigned>(screen.height() * 0.9));
    EXPECT_EQ(f.browser()->geometry().size(), QSize(mainFrameWidth, mainFrameHeight));
    EXPECT_FALSE(f.browser()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(f.browser()->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(f.browser()->findTab(vexel::Browser::Left, "Event Control"), 0);
    EXPECT_EQ(f.browser()->tabs(vexel::Browser::Left)->count(), 1);
    EXPECT_EQ(f.browser()->findTab(vexel::Browser::Right, "Viewer 1"), 0);

    // Absolute layout, a few samples of each group.
    EXPECT_EQ(widget<QGroupBox>(f, "fGroupFrame709")->geometry(), QRect(8, 104, 224, 152));
    EXPECT_EQ(widget<QGroupBox>(f, "fGroupFrame748")->geometry(), QRect(8, 864, 224, 128));
    EXPECT_EQ(widget<QPushButton>(f, "fPictureButton715")->geometry(), QRect(120, 48, 96, 40));
    EXPECT_EQ(widget<QPushButton>(f, "fPictureButton1723")->geometry(), QRect(168, 96, 48, 40));
    EXPECT_EQ(widget<QCheckBox>(f, "fCheckButton713")->geometry(), QRect(16, 88, 144, 19));
    EXPECT_EQ(widget<QLineEdit>(f, "fTextEntry799")->geometry(), QRect(72, 168, 80, 22));
    EXPECT_EQ(widget<QLineEdit>(f, "fTextEntry1337")->geometry(), QRect(56, 96, 160, 22));
    EXPECT_EQ(widget<QListWidget>(f, "fListBox1321")->geometry(), QRect(8, 24, 208, 36));
    EXPECT_EQ(widget<QPushButton>(f, "fTextButton834")->geometry(), QRect(8, 88, 208, 24));
    EXPECT_EQ(widget<QLineEdit>(f, "fTextEntry1305")->maxLength(), 4096);
    EXPECT_EQ(widget<QScrollArea>(f, "EventControlCanvas")->geometry(),
              QRect(0, 0, 280, mainFrameHeight - 100));
    EXPECT_FALSE(widget<QPushButton>(f, "fPictureButton715")->icon().isNull());

    // Initial states: view and navigation on, particle and histogram buttons off.
    for (const char* name :
         {"fPictureButton710", "fPictureButton711", "fPictureButton1723", "fCheckButton712",
          "fCheckButton713", "fPictureButton716", "fPictureButton715", "fPictureButton861",
          "fPictureButton862", "fPictureButton863", "fTextButton759", "fTextButton834"})
        EXPECT_TRUE(widget<QWidget>(f, name)->isEnabled()) << name;
    for (const char* name : {"fTextButton1319", "fTextButton1335", "fTextButton753",
                             "fTextButton753a", "fTextButton1442", "fTextButton758"})
        EXPECT_FALSE(widget<QWidget>(f, name)->isEnabled()) << name;

    // The first event is shown; EcalModulesFiberPb is hidden; transparencies recorded.
    EXPECT_EQ(widget<QLabel>(f, "fLabel1351")->text(), "1");
    EXPECT_EQ(exercise.events(), 4);
    EXPECT_EQ(f.display()->lineCount(), 8);
    EXPECT_TRUE(f.display()->hasDetector() && f.display()->detectorVisible());
    EXPECT_FALSE(f.display()->volumeVisible(f.display()->findVolume("EcalModulesFiberPb")));
    EXPECT_EQ(exercise.histogramFileTail(), "3_Ann_Lee_3b.root");
    EXPECT_EQ(exercise.eventFilePath(), "share/VexelLumora/lumoeventv2_D0_3.root");
    EXPECT_EQ(f.browser()->windowTitle(), "Vexel Lumora : event display");
    EXPECT_EQ(f.display()->background(), QColor(Qt::white));
    // The view cannot be closed by the student.
    auto* rightTabs = f.browser()->tabs(vexel::Browser::Right);
    EXPECT_EQ(rightTabs->tabBar()->tabButton(0, QTabBar::RightSide), nullptr);
}

TEST_F(FrameWindow, ReadsTracksWithKeysColoursAndCentre) {
    auto all = events(2);
    all[0][4].particleId = "Pi+"; // unlisted: random colour
    all[0][5].particleId = "mu-";
    run->writeEvents(1, all);
    Frame& f = open(1, 1);
    const EventExercise& exercise = f.exercise();
    const auto& event = exercise.records();
    ASSERT_EQ(event.size(), 8u);

    // The D0 line holds no points, yet its record is in the map under its own key.
    EXPECT_TRUE(f.display()->line(0)->isEmpty());
    const auto& d0 = all[0][0];
    const int d0Key = pickKey(d0.points.front(), d0.points.back());
    ASSERT_TRUE(exercise.recordsByKey().count(d0Key));
    EXPECT_EQ(*exercise.recordsByKey().at(d0Key).particleId, "D0");
    for (int k = 1; k < 8; ++k) {
        const auto* line = f.display()->line(k);
        EXPECT_EQ(line->points(), all[0][k].points);
        const int key = pickKey(line->lineStart(), line->lineEnd());
        ASSERT_TRUE(exercise.recordsByKey().count(key)) << k;
        // The map holds a copy sharing the shown record's name and points.
        EXPECT_EQ(exercise.recordsByKey().at(key).track, event[k].track);
    }
    EXPECT_EQ(f.display()->line(1)->colour(), QColor(0, 153, 0));   // K-
    EXPECT_EQ(f.display()->line(2)->colour(), QColor(255, 0, 255)); // pi+
    // Random colours follow the record order from the seed 65539.
    vexel::BasicRandom r(65539);
    const QColor firstRandom = trackColour("Pi+", r);
    const QColor secondRandom = trackColour("mu-", r);
    EXPECT_EQ(f.display()->line(4)->colour(), firstRandom);
    EXPECT_EQ(f.display()->line(5)->colour(), secondRandom);
    // A second window draws the same colours.
    Frame& g = open(1, 1);
    EXPECT_EQ(g.display()->line(4)->colour(), firstRandom);

    // The centre is the first point of the third record.
    const auto c = exercise.viewCentre();
    EXPECT_FLOAT_EQ(static_cast<float>(c[0]), all[0][2].points[0][0]);
    EXPECT_FLOAT_EQ(static_cast<float>(c[2]), all[0][2].points[0][2]);

    // A click on a track in the view selects its record.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.browser()));
    f.display()->renderNow();
    const auto& far = all[0][6].points[20];
    const QPoint at = f.display()->vtkWidget()->mapFrom(
        f.display(), f.display()->toWidget({far[0], far[1], far[2]}));
    QTest::mouseClick(f.display()->vtkWidget(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(exercise.selected().track);
    EXPECT_EQ(exercise.selected().track, event[6].track);

    // The D0 has no line of its own; its hint line picks it.
    f.Hint();
    ASSERT_EQ(f.display()->lineCount(), 11);
    EXPECT_EQ(f.display()->line(8)->points(), all[0][0].points);
    f.OnClicked(f.display()->line(8));
    EXPECT_EQ(*exercise.selected().particleId, "D0");

    // Picking a line finds its record.
    const auto* line = f.display()->line(3);
    f.OnClicked(line);
    EXPECT_EQ(exercise.selected().particleId, event[3].particleId); // the same name object
    EXPECT_EQ(*exercise.selected().track, all[0][3].points);
}

TEST_F(FrameWindow, NavigatesBetweenEvents) {
    auto all = events(3);
    all[2].resize(2); // fewer than three records: the centre stays
    run->writeEvents(1, all);
    Frame& f = open(1, 1);
    const EventExercise& exercise = f.exercise();
    auto* label = widget<QLabel>(f, "fLabel1351");
    auto* next = widget<QPushButton>(f, "fPictureButton715");
    auto* back = widget<QPushButton>(f, "fPictureButton716");
    widget<QLineEdit>(f, "fTextEntry1305")->setText("1864.84");
    widget<QListWidget>(f, "fListBox1321")->addItem("My particle: K-");

    QTest::mouseClick(back, Qt::LeftButton); // first event: only the panels are reset
    EXPECT_EQ(exercise.currentEvent(), 0);
    EXPECT_EQ(label->text(), "1");
    EXPECT_EQ(f.display()->lineCount(), 8);
    EXPECT_TRUE(widget<QLineEdit>(f, "fTextEntry1305")->text().isEmpty());
    EXPECT_EQ(widget<QListWidget>(f, "fListBox1321")->count(), 0);

    QTest::mousePress(next, Qt::LeftButton); // Next reacts on press
    QTest::mouseRelease(next, Qt::LeftButton);
    EXPECT_EQ(exercise.currentEvent(), 1);
    EXPECT_EQ(label->text(), "2");
    EXPECT_EQ(f.display()->lineCount(), 8);
    const auto centre = exercise.viewCentre();
    f.Next();
    EXPECT_EQ(label->text(), "3");
    EXPECT_EQ(f.display()->lineCount(), 2);
    EXPECT_EQ(exercise.recordsByKey().size(), 2u);
    EXPECT_EQ(exercise.viewCentre(), centre);
    auto* legend = widget<QLabel>(f, "leg");
    const QImage normalLegend = legend->pixmap()->toImage();
    f.Hint(); // draws the two records present, and the hint's legend
    EXPECT_EQ(f.display()->lineCount(), 4);
    EXPECT_EQ(f.display()->line(3)->width(), 4.0f);
    EXPECT_NE(legend->pixmap()->toImage(), normalLegend);

    vexel::test::clearMessages();
    f.Next(); // the last event: congratulations, nothing changes
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Congratulations!");
    EXPECT_EQ(vexel::test::messages()[0].text,
              "You have successfully completed LumoraDisplay exercise.");
    EXPECT_EQ(exercise.currentEvent(), 2);
    f.Next();
    EXPECT_EQ(vexel::test::messages().size(), 2u);
    f.Back();
    EXPECT_EQ(exercise.currentEvent(), 1);
    EXPECT_EQ(label->text(), "2");
    EXPECT_EQ(f.display()->lineCount(), 8); // the hint lines went with their event
    EXPECT_EQ(legend->pixmap()->toImage(), normalLegend);
}

TEST_F(FrameWindow, DataSetEdgeCases) {
    // One event: Next congratulates at once.
    run->writeEvents(1, events(1));
    Frame& one = open(1, 0); // combination 0 is taken as 1
    EXPECT_EQ(one.exercise().histogramFileTail(), "1_Ann_Lee_3b.root");
    EXPECT_EQ(one.exercise().events(), 1);
    one.Next();
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Congratulations!");

    // More than 50 events: the first 50 are offered.
    run->writeEvents(2, events(53, 3));
    Frame& many = open(1, 2);
    EXPECT_EQ(many.exercise().events(), 50);

    // A missing file: a message, no tracks, the window still works.
    vexel::test::clearMessages();
    Frame& missing = open(1, 99);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Error");
    EXPECT_TRUE(vexel::test::messages()[0].text.contains("lumoeventv2_D0_99.root"));
    EXPECT_EQ(missing.exercise().events(), 0);
    EXPECT_EQ(missing.display()->lineCount(), 0);
    missing.Next();
    missing.Back();
    missing.Hint();
    missing.Zoom();
    missing.ZX();
    EXPECT_EQ(missing.exercise().currentEvent(), 0);
    EXPECT_TRUE(missing.display()->hasDetector());

    // A file that is not a ROOT file, and one without "MCEvent".
    QFile junk(run->path("share/VexelLumora/lumoeventv2_D0_7.root"));
    junk.open(QIODevice::WriteOnly);
    junk.write("not a ROOT file at all, just text");
    junk.close();
    vexel::test::clearMessages();
    open(1, 7);
    EXPECT_EQ(vexel::test::messages().size(), 1u);
}

TEST_F(FrameWindow, GeometryAndTransparencySwitches) {
    run->writeEvents(1, events(1));
    Frame& f = open(1, 1);
    auto* display = f.display();
    const int module = display->findVolume("EcalModulesFiberPb");
    const int yoke = display->findVolume("Yoke");
    const int wall = display->findVolume("EcalWall");
    const unsigned airLoaded = display->materialTransparency(display->volumeMaterial(wall));
    EXPECT_EQ(airLoaded, 60u);

    auto* hide = widget<QCheckBox>(f, "fCheckButton712");
    QTest::mouseClick(hide, Qt::LeftButton);
    EXPECT_FALSE(display->detectorVisible());
    EXPECT_EQ(display->lineCount(), 8); // the tracks stay
    QTest::mouseClick(hide, Qt::LeftButton);
    EXPECT_TRUE(display->detectorVisible());
    EXPECT_TRUE(display->hasDetector());

    auto* transparency = widget<QCheckBox>(f, "fCheckButton713");
    QTest::mouseClick(transparency, Qt::LeftButton); // recorded at start: the first press
    EXPECT_EQ(display->materialTransparency(display->volumeMaterial(yoke)), 80u);
    EXPECT_EQ(display->materialTransparency(display->volumeMaterial(wall)), 80u);
    EXPECT_TRUE(display->volumeVisible(module));
    QTest::mouseClick(transparency, Qt::LeftButton); // every volume as loaded again
    EXPECT_EQ(display->materialTransparency(display->volumeMaterial(yoke)), 0u);
    EXPECT_EQ(display->materialTransparency(display->volumeMaterial(wall)), airLoaded);
    // Visibility is not given back.
    EXPECT_TRUE(display->volumeVisible(module));

    // Without a geometry the switch does nothing.
    QFile::remove(run->path("share/VexelLumora/vexelfull.gdml"));
    vexel::test::clearMessages();
    Frame& bare = open(1, 1);
    EXPECT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_FALSE(bare.display()->hasDetector());
    bare.GeometrySwitch();
    EXPECT_FALSE(bare.display()->hasDetector());
    bare.TransparencySwitch();
    EXPECT_EQ(bare.display()->lineCount(), 8);
}

TEST_F(FrameWindow, CamerasAndZoomHint) {
    run->writeEvents(1, events(1));
    Frame& f = open(1, 1);
    auto* display = f.display();
    const double overview = cameraDistance(*display);

    f.Zoom();
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Hint");
    EXPECT_EQ(vexel::test::messages()[0].text, frameMessageTexts(1).h2);
    const auto c = f.exercise().viewCentre();
    const auto focal = display->cameraFocalPoint();
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(focal[i], c[i], 1e-6);
    EXPECT_LT(cameraDistance(*display), 100);
    f.Zoom();
    EXPECT_EQ(vexel::test::messages().size(), 1u); // once per window

    f.YZ(); // each projection starts from reset cameras
    EXPECT_NEAR(axisAlignment(*display, 0), 1, 1e-6);
    const double projection = cameraDistance(*display);
    EXPECT_GT(projection, 3000);
    EXPECT_LT(projection, overview);
    f.YX();
    EXPECT_NEAR(axisAlignment(*display, 2), 1, 1e-6);
    f.ZX();
    EXPECT_NEAR(axisAlignment(*display, 1), 1, 1e-6);
    EXPECT_NEAR(cameraDistance(*display), projection, 1e-6);
    f.DefaultCam();
    EXPECT_NEAR(cameraDistance(*display), overview, 1e-6);
}

TEST_F(FrameWindow, HelpTabAndLanguages) {
    run->writeEvents(1, events(2));
    Frame& f = open(3, 1);
    EXPECT_EQ(widget<QPushButton>(f, "fTextButton834")->text(), "Schliessen");
    EXPECT_EQ(widget<QGroupBox>(f, "fGroupFrame717")->title(), "Teilchen-Information");
    EXPECT_EQ(widget<QLabel>(f, "fLabel743")->text(), "Masse");
    EXPECT_EQ(f.browser()->windowTitle(), "Vexel Lumora : Ereignisanzeige");
    // Two particles chosen: a third is refused with the German text.
    for (int k : {1, 2, 3}) {
        f.OnClicked(f.display()->line(k));
        f.SaveParticle();
    }
    EXPECT_EQ(vexel::test::messages().back().text,
              "Du kannst nicht mehr als zwei Teilchen auswaehlen.");
    vexel::test::clearMessages();
    f.Next();
    f.Next();
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Herzlichen Glueckwunsch!");
    // EN sets the widget texts only.
    f.EN();
    EXPECT_EQ(widget<QPushButton>(f, "fTextButton834")->text(), "Move on to D0 Exercise");
    EXPECT_EQ(f.browser()->windowTitle(), "Vexel Lumora : event display");
    for (int k : {1, 2, 3}) {
        f.OnClicked(f.display()->line(k));
        f.SaveParticle();
    }
    EXPECT_EQ(vexel::test::messages().back().text,
              "Du kannst nicht mehr als zwei Teilchen auswaehlen.");
    f.RO();
    EXPECT_EQ(widget<QGroupBox>(f, "fGroupFrame860")->title(), "Mareste");

    auto* help = widget<QPushButton>(f, "fTextButton759");
    QTest::mouseClick(help, Qt::LeftButton);
    auto* right = f.browser()->tabs(vexel::Browser::Right);
    ASSERT_EQ(right->count(), 2);
    EXPECT_EQ(right->tabText(1), "Help");
    auto* picture = f.browser()->findChild<QLabel*>("HelpPicture");
    ASSERT_NE(picture, nullptr);
    const HelpPictureSize size = helpPictureSize(
        static_cast<unsigned>(QGuiApplication::primaryScreen()->geometry().height() * 0.9));
    EXPECT_EQ(picture->size(), QSize(size.width, size.height));
    ASSERT_NE(picture->pixmap(), nullptr);
    EXPECT_FALSE(picture->pixmap()->isNull());
    right->setCurrentIndex(0);
    QTest::mouseClick(help, Qt::LeftButton); // already there: nothing, not raised
    EXPECT_EQ(right->count(), 2);
    EXPECT_EQ(right->currentIndex(), 0);
    f.browser()->closeRightTab(1);
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(right->count(), 2);

    // A missing picture: a message naming it, in the window's language, and no empty tab.
    f.browser()->closeRightTab(1);
    ASSERT_TRUE(QFile::remove(run->path("Icons/help3.png")));
    vexel::test::clearMessages();
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(right->count(), 1);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].text,
              frameNoticeTexts(5).helpPictureMissing.arg("Icons/help3.png"));
}

TEST_F(FrameWindow, ExitHidesAndIgnoresCloseRequests) {
    run->writeEvents(1, events(1));
    Frame& f = open(1, 1);
    EXPECT_TRUE(f.browser()->isVisible());
    EXPECT_FALSE(f.browser()->close()); // no close control, and requests are refused
    EXPECT_TRUE(f.browser()->isVisible());
    // The window manager's close reaches the window as a close event on its native window.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.browser()));
    QCloseEvent managerClose;
    QApplication::sendEvent(f.browser()->windowHandle(), &managerClose);
    EXPECT_FALSE(managerClose.isAccepted());
    EXPECT_TRUE(f.browser()->isVisible());
    QTest::mouseClick(widget<QPushButton>(f, "fTextButton834"), Qt::LeftButton);
    EXPECT_FALSE(f.browser()->isVisible());
}
