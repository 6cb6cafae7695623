#include "Browser.h"
#include "EventDisplay.h"
#include "EventDisplayTestData.h"
#include "Frame.h"
#include "GuiTestSupport.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Share of pixels that are neither white nor near-white: something is drawn.
double drawnShare(const QImage& image) {
    if (image.isNull())
        return 0;
    long drawn = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) < 235)
                ++drawn;
    return static_cast<double>(drawn) / ((image.width() / 2) * (image.height() / 2));
}

// Pixels of a track colour: strongly saturated red, magenta, green or blue.
long trackPixels(const QImage& image) {
    long n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.saturation() > 200 && c.value() > 120)
                ++n;
        }
    return n;
}

} // namespace

// Saves what a student sees; run with the generated data when the run directory
// has it, otherwise with the small test detector.
TEST(FrameScreenshots, EveryViewShowsDetectorAndTracks) {
    const auto run = vexel::test::syntheticDataUnlessGenerated(3, 12);
    vexel::test::clearMessages();
    Frame frame(1, "Ann_Lee_3b", "", 1, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.browser()));
    EXPECT_TRUE(vexel::test::messages().empty());
    auto* display = frame.display();

    const auto shot = [&](const char* name, double minDrawn, long minTrackPixels) {
        QApplication::processEvents();
        const QImage view = display->renderImage();
        vexel::test::saveScreenshot(frame.browser(), QString("eventdisplay_") + name);
        EXPECT_GT(drawnShare(view), minDrawn) << name;
        EXPECT_GT(trackPixels(view), minTrackPixels) << name;
    };
    shot("open", 0.05, 100);
    frame.Zoom();
    shot("closeup", 0.0, 100);
    frame.YZ();
    shot("projection_yz", 0.01, 100);
    frame.YX();
    shot("projection_yx", 0.01, 100);
    frame.ZX();
    shot("projection_zx", 0.01, 100);
    frame.DefaultCam();
    frame.Hint();
    shot("hint", 0.05, 300);
    frame.Next();
    frame.browser()->findChild<QCheckBox*>("fCheckButton713")->click();
    shot("transparent", 0.05, 100);
    frame.browser()->findChild<QCheckBox*>("fCheckButton713")->click();
    frame.browser()->findChild<QCheckBox*>("fCheckButton712")->click();
    shot("hidden", 0.0, 100);
    frame.browser()->findChild<QCheckBox*>("fCheckButton712")->click();

    frame.Help();
    QApplication::processEvents();
    vexel::test::saveScreenshot(frame.browser(), "eventdisplay_help");
    frame.browser()->tabs(vexel::Browser::Right)->setCurrentIndex(0);

    const char* names[] = {"en", "fr", "de", "it", "ro"};
    void (Frame::*setters[])() = {&Frame::EN, &Frame::FR, &Frame::DE, &Frame::IT, &Frame::RO};
    QWidget* panel = frame.browser()->findChild<QWidget*>("fMainFrame1460");
    ASSERT_NE(panel, nullptr);
    for (int i = 0; i < 5; ++i) {
        (frame.*setters[i])();
        QApplication::processEvents();
        vexel::test::saveScreenshot(panel, QString("eventdisplay_panel_") + names[i]);
    }
}
