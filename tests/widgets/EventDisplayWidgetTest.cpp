#include "DetectorGeometry.h"
#include "EventDisplay.h"
#include "EventDisplayInteractorStyle.h"
#include "EventDisplayTestData.h"
#include "GuiTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkRendererCollection.h>

using vexel::EventDisplay;

namespace {

EventDisplay::Vec3 viewDirection(const EventDisplay& d) {
    const auto f = d.cameraFocalPoint();
    const auto p = d.cameraPosition();
    EventDisplay::Vec3 v{f[0] - p[0], f[1] - p[1], f[2] - p[2]};
    const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / n, v[1] / n, v[2] / n};
}

double distance(const EventDisplay& d) {
    const auto f = d.cameraFocalPoint();
    const auto p = d.cameraPosition();
    return std::sqrt((f[0] - p[0]) * (f[0] - p[0]) + (f[1] - p[1]) * (f[1] - p[1]) +
                     (f[2] - p[2]) * (f[2] - p[2]));
}

vexel::geometry::DetectorGeometry testDetector() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("d.gdml").toStdString();
    std::ofstream(path) << vexel::test::testDetectorGdml();
    return vexel::geometry::DetectorGeometry::load(path);
}

} // namespace

TEST(EventDisplay, ScenesMaterialsAndVisibility) {
    EventDisplay display;
    display.resize(600, 400);
    display.show();
    const auto detector = testDetector();
    display.loadDetector(detector);
    ASSERT_TRUE(display.hasDetector());
    const int yoke = display.findVolume("Yoke");
    const int module = display.findVolume("EcalModulesFiberPb");
    ASSERT_GE(yoke, 0);
    ASSERT_GE(module, 0);
    EXPECT_EQ(display.findVolume("NoSuchVolume"), -1);

    // Transparency belongs to the material: every volume of it follows.
    const int iron = display.volumeMaterial(yoke);
    EXPECT_EQ(display.materialName(iron), "Iron");
    EXPECT_EQ(display.materialName(display.volumeMaterial(display.findVolume("Chain4"))), "Air");
    display.setMaterialTransparency(iron, 80);
    EXPECT_EQ(display.materialTransparency(iron), 80u);
    display.setMaterialTransparency(iron, 250);
    EXPECT_EQ(display.materialTransparency(iron), 100u);

    display.setVolumeVisible(module, false);
    EXPECT_FALSE(display.volumeVisible(module));
    display.setDetectorVisible(false);
    EXPECT_FALSE(display.detectorVisible());
    // Hiding the scene keeps the volumes' own visibility.
    display.setDetectorVisible(true);
    EXPECT_FALSE(display.volumeVisible(module));
    EXPECT_TRUE(display.volumeVisible(yoke));

    // The event scene: lines, an empty one included, cleared as a whole.
    const auto* line = display.addLine({{0, 0, 0}, {10, 20, 3000}}, Qt::red);
    display.addLine({}, Qt::black);
    EXPECT_EQ(display.lineCount(), 2);
    EXPECT_EQ(line->lineEnd()[2], 3000.0f);
    EXPECT_TRUE(display.line(1)->isEmpty());
    display.clearEvent();
    EXPECT_EQ(display.lineCount(), 0);
    EXPECT_TRUE(display.hasDetector());
    EXPECT_FALSE(display.renderImage().isNull());
}

TEST(EventDisplay, CameraConventions) {
    EventDisplay display;
    display.resize(600, 400);
    display.show();
    display.loadDetector(testDetector());

    display.resetCameras();
    auto d = viewDirection(display);
    EXPECT_NEAR(d[0], 1, 1e-9); // along +x
    display.rotateCamera(0, -M_PI / 2);
    d = viewDirection(display);
    EXPECT_NEAR(std::abs(d[2]), 1, 1e-9); // along z
    display.resetCameras();
    display.rotateCamera(M_PI / 2, -M_PI / 2);
    d = viewDirection(display);
    EXPECT_NEAR(std::abs(d[1]), 1, 1e-9); // along y
    // The default view is oblique: no axis dominates completely, seen from above.
    display.resetCameras();
    display.rotateCamera(-1.2, 0.5);
    d = viewDirection(display);
    for (double c : d)
        EXPECT_LT(std::abs(c), 0.95);
    EXPECT_LT(d[1], 0); // looking down

    // Framing a box keeps the direction; a smaller box brings the camera closer.
    display.resetCameras();
    const double far = distance(display);
    display.setupCamera({-5, 5, -3, 3, -5, 5});
    EXPECT_LT(distance(display), far / 100);
    EXPECT_NEAR(viewDirection(display)[0], 1, 1e-9);
    display.configureCamera({1, 2, 3}, 0, 0);
    const auto f = display.cameraFocalPoint();
    EXPECT_DOUBLE_EQ(f[0], 1);
    EXPECT_DOUBLE_EQ(f[1], 2);
    EXPECT_DOUBLE_EQ(f[2], 3);
}

TEST(EventDisplay, ClickPicksLineAndDragDoesNot) {
    EventDisplay display;
    display.resize(800, 600);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    const auto* first = display.addLine({{0, -500, 0}, {0, -500, 4000}}, Qt::blue, 2);
    const auto* second = display.addLine({{0, 500, 0}, {0, 500, 4000}}, Qt::red, 2);
    display.resetCameras();
    display.renderNow();
    QSignalSpy spy(&display, SIGNAL(clicked(const vexel::TrackLine*)));

    QWidget* target = display.vtkWidget();
    const QPoint onSecond =
        display.vtkWidget()->mapFrom(&display, display.toWidget({0, 500, 2000}));
    EXPECT_EQ(display.pickLine(display.toWidget({0, 500, 2000})), second);
    EXPECT_EQ(display.pickLine(display.toWidget({0, -500, 2000})), first);
    EXPECT_EQ(display.pickLine(display.toWidget({0, 0, 2000})), nullptr);

    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, onSecond);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<const vexel::TrackLine*>(), second);

    // A drag rotates and picks nothing; CTRL makes it ten times finer.
    const auto dragTurn = [&](Qt::KeyboardModifiers modifiers) {
        display.resetCameras();
        const auto before = viewDirection(display);
        QTest::mousePress(target, Qt::LeftButton, modifiers, onSecond);
        QMouseEvent move(QEvent::MouseMove, onSecond + QPoint(60, 0), Qt::LeftButton,
                         Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &move);
        EXPECT_TRUE(display.interacting());
        QTest::mouseRelease(target, Qt::LeftButton, modifiers, onSecond + QPoint(60, 0));
        const auto after = viewDirection(display);
        return std::acos(
            std::min(1.0, before[0] * after[0] + before[1] * after[1] + before[2] * after[2]));
    };
    const double plain = dragTurn(Qt::NoModifier);
    const double fine = dragTurn(Qt::ControlModifier);
    const double finer = dragTurn(Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(display.interacting());
    EXPECT_GT(plain, 0.05);
    EXPECT_NEAR(fine, plain / 10, plain / 100);
    EXPECT_NEAR(finer, plain / 100, plain / 1000);
    EXPECT_DOUBLE_EQ(vexel::EventDisplayInteractorStyle::rotationScale(false, true), 1.0);
}

// A click picks the line drawn under the pointer, even when another line passes a few
// pixels away nearer to the camera.
TEST(EventDisplay, ClickPicksTheLineUnderThePointerNotTheOneInFront) {
    EventDisplay display;
    display.resize(800, 600);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    // The camera looks along +x: the line at x = -1000 is in front of the one at x = 1000.
    const auto* behind = display.addLine({{1000, 0, 0}, {1000, 0, 4000}}, Qt::black, 4);
    display.resetCameras();
    const QPoint onBehind = display.toWidget({1000, 0, 2000});
    const double pixelsPerMm =
        (display.toWidget({-1000, 0, 2000}).y() - display.toWidget({-1000, 100, 2000}).y()) / 100.0;
    ASSERT_GT(pixelsPerMm, 0);
    const double offset = 4 / pixelsPerMm; // 4 pixels above the line behind
    const auto* front = display.addLine({{-1000, offset, 0}, {-1000, offset, 4000}}, Qt::red, 1);
    display.renderNow();
    const QPoint onFront = display.toWidget({-1000, offset, 2000});
    ASSERT_GE(onBehind.y() - onFront.y(), 3);
    ASSERT_LE(onBehind.y() - onFront.y(), 5);
    EXPECT_EQ(display.pickLine(onBehind), behind);
    EXPECT_EQ(display.pickLine(onFront), front);
    // Between the two, a little nearer to the line behind.
    EXPECT_EQ(display.pickLine(onBehind - QPoint(0, 1)), behind);
    // Far from both: nothing.
    EXPECT_EQ(display.pickLine(onBehind + QPoint(0, 40)), nullptr);
    // A line behind the camera is never picked.
    const double eyeX = display.cameraPosition()[0];
    ASSERT_LT(eyeX, -1000);
    display.addLine({{eyeX - 1000, 0, 0}, {eyeX - 1000, 0, 4000}}, Qt::blue, 1);
    EXPECT_EQ(display.pickLine(display.toWidget({1000, 0, 3000})), behind);
    // A line from behind the camera into the view is picked by its part in view.
    const auto* through =
        display.addLine({{eyeX - 1000, 300, 3000}, {2000, 300, 3000}}, Qt::green, 1);
    display.renderNow();
    const QPoint onThrough = display.toWidget({1000, 300, 3000});
    EXPECT_TRUE(display.rect().contains(onThrough));
    EXPECT_EQ(display.pickLine(onThrough), through);
}

// A highlighted line is drawn over the detector, wider, in its own colour inside rings of
// the highlight colours; the line itself, its colour and picking stay as they were.
TEST(EventDisplay, HighlightsRingTheLineOverTheDetector) {
    using Highlight = EventDisplay::Highlight;
    EventDisplay display;
    display.resize(800, 600);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    display.loadDetector(testDetector());
    // Behind the upper iron yoke, seen along +x; the other line in the open.
    const auto* hidden = display.addLine({{1000, 3000, 3000}, {1000, 3000, 8000}}, Qt::blue, 2);
    const auto* open = display.addLine({{0, 0, 0}, {0, 0, 2000}}, Qt::red, 2);
    display.resetCameras();
    const QPoint at = display.toWidget({1000, 3000, 5500});
    const auto colourAt = [&](int dy) {
        return display.renderImage().pixelColor(at + QPoint(0, dy)).rgb();
    };
    ASSERT_NE(colourAt(0), QColor(Qt::blue).rgb()); // the yoke hides it

    display.setHighlight(Highlight::Picked, hidden);
    EXPECT_EQ(display.highlighted(Highlight::Picked), hidden);
    EXPECT_EQ(colourAt(0), QColor(Qt::blue).rgb());
    EXPECT_EQ(colourAt(3), EventDisplay::highlightColour(Highlight::Picked).rgb());
    // Picked and chosen: the chosen ring inside the picked one.
    display.setHighlight(Highlight::FirstChosen, hidden);
    EXPECT_EQ(colourAt(0), QColor(Qt::blue).rgb());
    EXPECT_EQ(colourAt(3), EventDisplay::highlightColour(Highlight::FirstChosen).rgb());
    EXPECT_EQ(colourAt(7), EventDisplay::highlightColour(Highlight::Picked).rgb());
    // Still there with the detector transparent or hidden.
    display.setMaterialTransparency(display.volumeMaterial(display.findVolume("Yoke")), 80);
    EXPECT_EQ(colourAt(3), EventDisplay::highlightColour(Highlight::FirstChosen).rgb());
    display.setDetectorVisible(false);
    EXPECT_EQ(colourAt(7), EventDisplay::highlightColour(Highlight::Picked).rgb());

    EXPECT_EQ(display.line(0)->colour(), QColor(Qt::blue));
    EXPECT_EQ(display.pickLine(at), hidden);
    display.setHighlight(Highlight::Picked, open);
    EXPECT_EQ(display.highlighted(Highlight::FirstChosen), hidden);
    EXPECT_EQ(colourAt(7), QColor(Qt::white).rgb());
    display.setHighlight(Highlight::FirstChosen, nullptr);
    EXPECT_EQ(colourAt(3), QColor(Qt::white).rgb());
    // A line that is not in the scene highlights nothing; clearing the event clears all.
    const vexel::TrackLine stranger({{0, 0, 0}, {1, 1, 1}}, Qt::black, 1);
    display.setHighlight(Highlight::SecondChosen, &stranger);
    EXPECT_EQ(display.highlighted(Highlight::SecondChosen), nullptr);
    display.clearEvent();
    EXPECT_EQ(display.highlighted(Highlight::Picked), nullptr);
}

// Event after event, the lines are drawn in their own colours and widths by the same actors:
// moving on adds no actor and leaves neither the lines nor the highlights of the event before.
TEST(EventDisplay, EventsRedrawnByTheSameActorsShowOnlyTheirOwnLines) {
    using Highlight = EventDisplay::Highlight;
    EventDisplay display;
    display.resize(800, 600);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    // Seen along +x: lines along y at constant z are upright on the screen.
    const auto eventA = [&] {
        display.clearEvent();
        display.addLine({{0, -1000, -1000}, {0, 1000, -1000}}, Qt::red, 2);
    };
    const auto eventB = [&] {
        display.clearEvent();
        display.addLine({{0, -1000, 1000}, {0, 1000, 1000}}, Qt::blue, 2);
        display.addLine({{0, -1000, 0}, {0, 1000, 0}}, Qt::green, 4);
        display.addLine({{0, 0, 500}}, Qt::black, 2); // one point: nothing drawn
    };
    const auto props = [&] {
        int n = 0;
        vtkRendererCollection* renderers = display.renderer()->GetRenderWindow()->GetRenderers();
        renderers->InitTraversal();
        while (vtkRenderer* r = renderers->GetNextItem())
            n += r->GetViewProps()->GetNumberOfItems();
        return n;
    };
    eventB();
    eventA();
    display.setupCamera({-10, 10, -1500, 1500, -1500, 1500});
    const QPoint a = display.toWidget({0, 0, -1000});
    const QPoint b = display.toWidget({0, 0, 1000});
    const QPoint middle = display.toWidget({0, 0, 0});
    const auto colourAt = [&](const QPoint& at) { return display.renderImage().pixelColor(at); };
    EXPECT_EQ(colourAt(a), QColor(Qt::red));
    EXPECT_EQ(colourAt(b), QColor(Qt::white));
    const int actors = props();

    for (int i = 0; i < 20; ++i) {
        eventB();
        display.renderNow();
        eventA();
        display.renderNow();
    }
    eventB();
    EXPECT_EQ(props(), actors);
    EXPECT_EQ(colourAt(a), QColor(Qt::white));
    EXPECT_EQ(colourAt(b), QColor(Qt::blue));
    EXPECT_EQ(colourAt(middle), QColor(Qt::green));
    // The wider line in its own width.
    EXPECT_EQ(colourAt(middle + QPoint(1, 0)), QColor(Qt::green));
    EXPECT_EQ(colourAt(middle - QPoint(1, 0)), QColor(Qt::green));
    EXPECT_EQ(colourAt(b + QPoint(3, 0)), QColor(Qt::white));
    EXPECT_EQ(display.pickLine(b), display.line(0));
    EXPECT_EQ(display.pickLine(display.toWidget({0, 0, 500})), nullptr);

    display.setHighlight(Highlight::Picked, display.line(0));
    display.setHighlight(Highlight::FirstChosen, display.line(1));
    EXPECT_EQ(colourAt(b + QPoint(3, 0)), EventDisplay::highlightColour(Highlight::Picked));
    EXPECT_EQ(colourAt(middle + QPoint(4, 0)),
              EventDisplay::highlightColour(Highlight::FirstChosen));
    eventA();
    EXPECT_EQ(props(), actors);
    EXPECT_EQ(colourAt(b), QColor(Qt::white));
    EXPECT_EQ(colourAt(b + QPoint(3, 0)), QColor(Qt::white));
    EXPECT_EQ(colourAt(middle + QPoint(4, 0)), QColor(Qt::white));
    EXPECT_EQ(colourAt(a), QColor(Qt::red));
    EXPECT_EQ(display.pickLine(a), display.line(0));
}
