// A student's use of the event display on the generated data, started from the
// launcher: clicks in the 3D view, mouse rotation and zoom, the view controls,
// the whole selection and the saved histogram, read back with the listing tool.
#include "Browser.h"
#include "EventDisplay.h"
#include "EventFile.h"
#include "GuiTestSupport.h"
#include "LauncherStudent.h"
#include "RootListing.h"
#include "TabLineEdit.h"
#include "launcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace {

QPushButton* visibleButton(const QString& text) {
    return vexel::test::buttonWithText(text);
}

// The 3D view as the X server shows it.
QImage viewOnScreen(vexel::EventDisplay* display) {
    QApplication::processEvents();
    const QPoint origin = display->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, origin.x(), origin.y(), display->width(), display->height())
        .toImage();
}

// Dark pixels of the 3D view as the X server shows it.
long darkPixelsOnScreen(vexel::EventDisplay* display) {
    const QImage shot = viewOnScreen(display);
    long dark = 0;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3)
            dark += qGray(shot.pixel(x, y)) < 200;
    return dark;
}

double distance(const vexel::EventDisplay::Vec3& a, const vexel::EventDisplay::Vec3& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

class StudentUse : public ::testing::Test {
protected:
    void SetUp() override {
        QDir::setCurrent(VEXEL_RUN_DIR);
        if (!QFile::exists("share/VexelLumora/vexelfull.gdml") ||
            !QFile::exists("share/VexelLumora/lumoeventv2_D0_2.root"))
            GTEST_SKIP() << "no generated data in the run directory";
        vexel::test::clearMessages();
        vexel::test::clearWarnings();
    }

    // Saves the details in language lang with combination 2 and an output directory,
    // then starts the event display with the launcher's button.
    QWidget* start(launcher& l, const char* lang, const QString& output) {
        vexel::test::enterStudent(l, lang, 1);
        if (!output.isEmpty()) {
            l.fTextEntry1141->setText(output);
            vexel::test::click(vexel::test::buttonWithText("OK", l.fMainFrame990, false));
        }
        EXPECT_TRUE(l.fPictureButton779->isEnabled());
        QTest::mouseClick(l.fPictureButton779, Qt::LeftButton);
        EXPECT_FALSE(l.fPictureButton779->isEnabled());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "EventDisplayBrowser" && w->isVisible())
                window = qobject_cast<vexel::Browser*>(w);
        EXPECT_NE(window, nullptr);
        if (!window)
            return nullptr;
        display = window->findChild<vexel::EventDisplay*>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QTest::qWait(100);
        return window;
    }
    template <typename T> T* widget(const char* name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* button(const char* name) { return widget<QPushButton>(name); }
    QString field(const char* name) { return widget<QLineEdit>(name)->text(); }

    // Clicks line k of the view with the mouse where it is not covered by another
    // line; turns to the projections, then the close-up, when it is hidden in the
    // present view.
    bool clickLine(int k) {
        const vexel::TrackLine* target = display->line(k);
        for (const char* view : {"", "fPictureButton861", "fPictureButton862", "fPictureButton863",
                                 "fPictureButton710"}) {
            if (*view)
                QTest::mouseClick(button(view), Qt::LeftButton);
            display->renderNow();
            const auto& points = target->points();
            for (auto p = points.rbegin(); p != points.rend(); ++p) {
                const QPoint at = display->toWidget({(*p)[0], (*p)[1], (*p)[2]});
                if (!display->rect().contains(at) || display->pickLine(at) != target)
                    continue;
                QTest::mouseClick(display->vtkWidget(), Qt::LeftButton, Qt::NoModifier,
                                  display->vtkWidget()->mapFrom(display, at));
                return true;
            }
        }
        return false;
    }
    void drag(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers) {
        QWidget* view = display->vtkWidget();
        QTest::mousePress(view, Qt::LeftButton, modifiers, from);
        for (int i = 1; i <= 10; ++i) {
            const QPoint at = from + (to - from) * i / 10;
            QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, modifiers);
            QApplication::sendEvent(view, &move);
        }
        QTest::mouseRelease(view, Qt::LeftButton, modifiers, to);
    }
    void wheel(int steps) {
        QWidget* view = display->vtkWidget();
        const QPoint at = view->rect().center();
        for (int i = 0; i < std::abs(steps); ++i) {
            QWheelEvent event(at, view->mapToGlobal(at), QPoint(),
                              QPoint(0, steps > 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &event);
        }
    }

    vexel::Browser* window = nullptr;
    vexel::EventDisplay* display = nullptr;
};

} // namespace

// The D0 and the two records whose momenta add up to the D0's, by record index.
struct Decay {
    int d0 = -1, first = -1, second = -1;
};
Decay findDecay(const std::vector<rootio::TrackRecord>& records) {
    Decay decay;
    for (std::size_t k = 0; k < records.size(); ++k)
        if (records[k].particleId == "D0")
            decay.d0 = static_cast<int>(k);
    if (decay.d0 < 0)
        return decay;
    const auto& mother = records[static_cast<std::size_t>(decay.d0)];
    for (std::size_t i = 0; i < records.size(); ++i)
        for (std::size_t j = i + 1; j < records.size(); ++j)
            if (static_cast<int>(i) != decay.d0 && static_cast<int>(j) != decay.d0 &&
                std::abs(records[i].px + records[j].px - mother.px) < 0.5 &&
                std::abs(records[i].py + records[j].py - mother.py) < 0.5 &&
                std::abs(records[i].pz + records[j].pz - mother.pz) < 0.5) {
                decay.first = static_cast<int>(i);
                decay.second = static_cast<int>(j);
            }
    return decay;
}

// A German student: the mouse picks the D0's kaon and pion, the mass goes into the
// histogram, which is drawn, saved and read back; the window hands over to the D0 exercise.
TEST_F(StudentUse, GermanStudentMeasuresAndSavesTheMass) {
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    launcher l;
    ASSERT_NE(start(l, "DE", output.path()), nullptr);
    EXPECT_EQ(button("fTextButton834")->text(), "Schliessen");
    EXPECT_EQ(widget<QCheckBox>("fCheckButton712")->text(), "Geometrie verbergen");
    EXPECT_GT(darkPixelsOnScreen(display), 100);
    vexel::test::saveScreenshot(window, "student_1_opened_de");

    const EventFile file("share/VexelLumora/lumoeventv2_D0_2.root");
    ASSERT_GE(file.events(), 2);
    auto* label = widget<QLabel>("fLabel1351");
    for (int event = 0; event < 2; ++event) {
        const auto records = file.readEvent(event);
        const Decay decay = findDecay(records);
        ASSERT_GE(decay.first, 0) << "event " << event + 1;
        ASSERT_EQ(display->lineCount(), static_cast<int>(records.size()));
        ASSERT_TRUE(clickLine(decay.first)) << "event " << event + 1;
        EXPECT_EQ(field("fTextEntry1311"), QString::fromStdString(records[decay.first].particleId));
        QTest::mouseClick(button("fTextButton1319"), Qt::LeftButton);
        ASSERT_TRUE(clickLine(decay.second)) << "event " << event + 1;
        EXPECT_EQ(field("fTextEntry1311"),
                  QString::fromStdString(records[decay.second].particleId));
        QTest::mouseClick(button("fTextButton1319"), Qt::LeftButton);
        ASSERT_TRUE(button("fTextButton1335")->isEnabled());
        QTest::mouseClick(button("fTextButton1335"), Qt::LeftButton);
        const double mass = field("fTextEntry1337").toDouble();
        EXPECT_NEAR(mass, records[decay.d0].mass, 50.0);
        QTest::mouseClick(button("fTextButton753a"), Qt::LeftButton);
        EXPECT_TRUE(vexel::test::messages().empty())
            << vexel::test::messages().back().text.toStdString();
        EXPECT_TRUE(button("fTextButton1442")->isEnabled());
        if (event == 0)
            vexel::test::saveScreenshot(window, "student_2_mass_de");
        QTest::mouseClick(button("fPictureButton715"), Qt::LeftButton);
        EXPECT_EQ(label->text(), QString::number(event + 2));
        EXPECT_GT(darkPixelsOnScreen(display), 100) << "event " << event + 2;
    }

    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    auto* right = window->tabs(vexel::Browser::Right);
    EXPECT_EQ(right->tabText(right->currentIndex()), "My histogram");
    QTest::qWait(50);
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QString(VEXEL_RUN_DIR) + "/../screenshots/student_3_histogram_screen.png");
    QTest::mouseClick(button("fTextButton758"), Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Info");
    EXPECT_EQ(vexel::test::messages()[0].text, "Das Histogram wurde erfolgreich gespeichert.");
    const QString saved =
        output.path() + "/MassHistogram_2_" + QString::fromStdString(l.user) + ".root";
    ASSERT_TRUE(QFile::exists(saved)) << saved.toStdString();
    std::ostringstream listing, errors;
    EXPECT_EQ(rootlisting::run({saved.toStdString()}, listing, errors), 0) << errors.str();
    EXPECT_NE(listing.str().find("hist;1"), std::string::npos) << listing.str();
    EXPECT_NE(listing.str().find("TH1F"), std::string::npos) << listing.str();
    EXPECT_NE(listing.str().find("My histogram"), std::string::npos) << listing.str();

    // The histogram tab closed with its close button comes back with Draw.
    QTest::mouseClick(right->tabBar()->tabButton(right->currentIndex(), QTabBar::RightSide),
                      Qt::LeftButton);
    EXPECT_FALSE(window->hasTab(vexel::Browser::Right, "My histogram"));
    QTest::mouseClick(button("fTextButton1442"), Qt::LeftButton);
    EXPECT_EQ(right->tabText(right->currentIndex()), "My histogram");

    // Moving on while the histogram is in front: back on the view, the new event is shown.
    QTest::mouseClick(button("fPictureButton715"), Qt::LeftButton);
    QTest::qWait(50);
    QTest::mouseClick(right->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      right->tabBar()->tabRect(0).center());
    ASSERT_EQ(right->currentIndex(), 0);
    QTest::qWait(50);
    const QImage shown = viewOnScreen(display);
    display->renderNow();
    display->vtkWidget()->update();
    QTest::qWait(50);
    EXPECT_EQ(shown, viewOnScreen(display));

    QTest::mouseClick(button("fTextButton834"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(l.fPictureButton785->isEnabled());
    EXPECT_FALSE(l.fPictureButton779->isEnabled());
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty());
    l.fMainFrame990->hide();
}

// The view with the mouse and the view controls: rotating, zooming, the close-up with
// its one hint box, the projections, hiding the detector, the hint lines (the D0 is picked
// through its own), help in the window's language, and the last event's congratulations.
TEST_F(StudentUse, ViewControlsWithTheMouse) {
    launcher l;
    ASSERT_NE(start(l, "IT", QString()), nullptr);
    const EventFile file("share/VexelLumora/lumoeventv2_D0_2.root");
    const auto records = file.readEvent(0);

    // Dragging turns the view around the same centre; a click without moving does not.
    const auto position = display->cameraPosition();
    const auto focal = display->cameraFocalPoint();
    const QPoint middle = display->vtkWidget()->rect().center();
    drag(middle, middle + QPoint(80, 30), Qt::NoModifier);
    const auto turned = display->cameraPosition();
    EXPECT_GT(distance(turned, position), 1.0);
    EXPECT_NEAR(distance(turned, focal), distance(position, focal), 1.0);
    // CTRL turns more slowly.
    drag(middle, middle + QPoint(80, 30), Qt::ControlModifier);
    const double slow = distance(display->cameraPosition(), turned);
    EXPECT_GT(slow, 0.0);
    EXPECT_LT(slow, distance(turned, position));
    // The wheel zooms in and out.
    const double before = distance(display->cameraPosition(), display->cameraFocalPoint());
    wheel(3);
    const double closer = distance(display->cameraPosition(), display->cameraFocalPoint());
    EXPECT_LT(closer, before);
    wheel(-3);
    EXPECT_GT(distance(display->cameraPosition(), display->cameraFocalPoint()), closer);
    EXPECT_GT(darkPixelsOnScreen(display), 100);
    vexel::test::saveScreenshot(window, "student_4_turned_it");

    // The close-up: the hint box once, in Italian.
    QTest::mouseClick(button("fPictureButton710"), Qt::LeftButton);
    QTest::mouseClick(button("fPictureButton710"), Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Hint");
    EXPECT_EQ(vexel::test::messages()[0].text,
              "Premi CTRL o CTRL+SHIFT per ruotare la figura in modo piu' preciso.");
    EXPECT_GT(darkPixelsOnScreen(display), 50);
    vexel::test::saveScreenshot(window, "student_5_closeup_it");

    // Each projection shows the detector and the tracks.
    for (const char* projection : {"fPictureButton861", "fPictureButton862", "fPictureButton863"}) {
        QTest::mouseClick(button(projection), Qt::LeftButton);
        EXPECT_GT(darkPixelsOnScreen(display), 100) << projection;
    }
    QTest::mouseClick(button("fPictureButton711"), Qt::LeftButton);

    // Hiding the detector leaves the tracks; showing it again brings it back.
    const long withDetector = darkPixelsOnScreen(display);
    auto* hide = widget<QCheckBox>("fCheckButton712");
    QTest::mouseClick(hide, Qt::LeftButton);
    const long tracksOnly = darkPixelsOnScreen(display);
    EXPECT_LT(tracksOnly, withDetector);
    EXPECT_GT(tracksOnly, 0);
    vexel::test::saveScreenshot(window, "student_6_hidden_it");
    QTest::mouseClick(hide, Qt::LeftButton);
    EXPECT_GT(darkPixelsOnScreen(display), tracksOnly);
    // The transparent look lightens the detector; switched off, it is as before.
    QTest::mouseClick(widget<QCheckBox>("fCheckButton713"), Qt::LeftButton);
    const long transparent = darkPixelsOnScreen(display);
    EXPECT_LT(transparent, withDetector);
    vexel::test::saveScreenshot(window, "student_7_transparent_it");
    QTest::mouseClick(widget<QCheckBox>("fCheckButton713"), Qt::LeftButton);
    EXPECT_GT(darkPixelsOnScreen(display), transparent);

    // The hint draws the first three records again, the D0 among them, and the D0 can be
    // picked through its hint line.
    QTest::mouseClick(button("fPictureButton1723"), Qt::LeftButton);
    ASSERT_EQ(display->lineCount(), static_cast<int>(records.size()) + 3);
    const Decay decay = findDecay(records);
    if (decay.d0 >= 0 && decay.d0 < 3) {
        ASSERT_TRUE(clickLine(static_cast<int>(records.size()) + decay.d0));
        EXPECT_EQ(field("fTextEntry1311"), "D0");
        EXPECT_TRUE(button("fTextButton1319")->isEnabled());
    }
    vexel::test::saveScreenshot(window, "student_8_hint_it");

    // Help: the Italian page; closed with its tab's close button, it comes back.
    auto* right = window->tabs(vexel::Browser::Right);
    QTest::mouseClick(button("fTextButton759"), Qt::LeftButton);
    ASSERT_EQ(right->tabText(right->count() - 1), "Help");
    vexel::test::saveScreenshot(window, "student_9_help_it");
    QWidget* close = right->tabBar()->tabButton(right->count() - 1, QTabBar::RightSide);
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(window->hasTab(vexel::Browser::Right, "Help"));
    QTest::mouseClick(button("fTextButton759"), Qt::LeftButton);
    EXPECT_TRUE(window->hasTab(vexel::Browser::Right, "Help"));

    // To the last event and the congratulations; Back goes to the one before.
    vexel::test::clearMessages();
    for (int i = 1; i < file.events(); ++i)
        QTest::mouseClick(button("fPictureButton715"), Qt::LeftButton);
    EXPECT_TRUE(vexel::test::messages().empty());
    QTest::mouseClick(button("fPictureButton715"), Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Congratulazioni");
    EXPECT_EQ(widget<QLabel>("fLabel1351")->text(), QString::number(file.events()));
    QTest::mouseClick(button("fPictureButton716"), Qt::LeftButton);
    EXPECT_EQ(widget<QLabel>("fLabel1351")->text(), QString::number(file.events() - 1));
    QTest::mouseClick(button("fTextButton834"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    l.fMainFrame990->hide();
}
