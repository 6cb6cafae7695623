// A student's way through the program on the generated data: launcher, event
// display, then the D0 exercise, with screenshots of what they see.
#include "Browser.h"
#include "GuiTestSupport.h"
#include "LauncherStudent.h"
#include "TabLineEdit.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPushButton* visibleButton(const QString& text) {
    return vexel::test::buttonWithText(text);
}

using vexel::test::messageTexts;

} // namespace

TEST(StudentTour, FromTheLauncherThroughBothExercises) {
    QDir::setCurrent(VEXEL_RUN_DIR);
    vexel::test::clearMessages();
    vexel::test::clearWarnings();

    launcher l;
    ASSERT_TRUE(vexel::test::messages().empty()) << messageTexts().join("\n").toStdString();
    vexel::test::enterStudent(l, "EN", 2);
    vexel::test::saveScreenshot(l.fMainFrame990, "tour_1_launcher");
    ASSERT_TRUE(l.fPictureButton779->isEnabled());

    // Exercise I opens on event 1 of combination 3.
    QTest::mouseClick(l.fPictureButton779, Qt::LeftButton);
    QPushButton* moveOn = visibleButton("Move on to D0 Exercise");
    ASSERT_NE(moveOn, nullptr);
    QWidget* eventDisplay = moveOn->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(eventDisplay));
    QTest::qWait(200);
    // The 3D view shows the detector and the tracks without any help from the test.
    auto* view = eventDisplay->findChild<QOpenGLWidget*>();
    ASSERT_NE(view, nullptr);
    const QImage frame = view->grabFramebuffer();
    long drawn = 0;
    for (int y = 0; y < frame.height(); y += 4)
        for (int x = 0; x < frame.width(); x += 4)
            drawn += qGray(frame.pixel(x, y)) < 200;
    EXPECT_GT(drawn, frame.width() * frame.height() / 16 / 50);
    // What the X server shows, 3D view included.
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QString(VEXEL_RUN_DIR) + "/../screenshots/tour_2_event_display_screen.png");
    vexel::test::saveScreenshot(eventDisplay, "tour_2_event_display");
    EXPECT_TRUE(vexel::test::messages().empty()) << messageTexts().join("\n").toStdString();
    QTest::mouseClick(moveOn, Qt::LeftButton);
    EXPECT_FALSE(eventDisplay->isVisible());
    ASSERT_TRUE(l.fPictureButton785->isEnabled());

    // Exercise II: plot and fit the mass.
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    ASSERT_TRUE(vexel::test::messages().empty()) << messageTexts().join("\n").toStdString();
    ASSERT_NE(gVSDReader, nullptr);
    QPushButton* plot = visibleButton("Plot D0 mass");
    QPushButton* fit = visibleButton("Fit mass distribution");
    ASSERT_NE(plot, nullptr);
    ASSERT_NE(fit, nullptr);
    QWidget* analysisWindow = plot->window();
    EXPECT_EQ(analysisWindow->windowTitle(), "Vexel Lumora : D0 lifetime analysis");
    QTest::mouseClick(plot, Qt::LeftButton);
    QTest::mouseClick(fit, Qt::LeftButton);
    EXPECT_TRUE(gVSDReader->fittedMass());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(analysisWindow));
    vexel::test::saveScreenshot(analysisWindow, "tour_3_d0_exercise");
    EXPECT_TRUE(vexel::test::messages().empty()) << messageTexts().join("\n").toStdString();

    QPushButton* exit = vexel::test::buttonWithText("Exit", analysisWindow, false);
    ASSERT_NE(exit, nullptr);
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_FALSE(analysisWindow->isVisible());
    EXPECT_TRUE(l.fMainFrame990->isVisible());
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();
    l.fMainFrame990->hide();
}
