// The 3D view at the desktop's scale: drawn with all the screen's pixels, and a click picks
// the track drawn under the pointer (Qt's pointer is in device-independent pixels, VTK's
// window in device pixels).
#include "EventDisplay.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <gtest/gtest.h>

using vexel::EventDisplay;

namespace {

// Whether a pixel within two device pixels of p in image has the colour of a track.
bool drawnNear(const QImage& image, QPoint p, QColor colour) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (!image.rect().contains(q))
                continue;
            const QColor c = image.pixelColor(q);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                90)
                return true;
        }
    return false;
}

} // namespace

TEST(ScaledPickingTest, ClickPicksTheTrackDrawnUnderThePointer) {
    EventDisplay display;
    display.setBackground(Qt::white);
    display.resize(800, 600);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    // Three tracks side by side, close enough that a pointer mapped at the wrong scale
    // would land on a neighbour or on nothing.
    const QColor colours[] = {Qt::blue, Qt::red, QColor(0, 153, 0)};
    const vexel::TrackLine* lines[3];
    const float heights[] = {-300, 0, 300};
    for (int i = 0; i < 3; ++i)
        lines[i] = display.addLine({{0, heights[i], 0}, {0, heights[i], 4000}}, colours[i], 2);
    display.resetCameras();
    display.rotateCamera(-0.4, 0.2);
    display.renderNow();

    QVTKOpenGLNativeWidget* view = display.vtkWidget();
    const qreal ratio = view->devicePixelRatioF();
    EXPECT_DOUBLE_EQ(ratio, qApp->devicePixelRatio());
    // Rendered with every device pixel of the view.
    const QImage image = display.renderImage();
    EXPECT_EQ(image.size(), view->size() * ratio);

    QSignalSpy spy(&display, SIGNAL(clicked(const vexel::TrackLine*)));
    for (int i = 0; i < 3; ++i) {
        for (const float z : {900.0f, 2500.0f}) {
            const QPoint pointer = view->mapFrom(&display, display.toWidget({0, heights[i], z}));
            // The track is drawn where the pointer is...
            EXPECT_TRUE(drawnNear(image, (QPointF(pointer) * ratio).toPoint(), colours[i]))
                << "track " << i << " not drawn under " << pointer.x() << "," << pointer.y()
                << " at " << ratio << "x";
            // ...and a click there picks it.
            spy.clear();
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, pointer);
            ASSERT_EQ(spy.count(), 1) << "track " << i << " at " << ratio << "x";
            EXPECT_EQ(spy.at(0).at(0).value<const vexel::TrackLine*>(), lines[i])
                << "track " << i << " at " << ratio << "x";
        }
    }
}
