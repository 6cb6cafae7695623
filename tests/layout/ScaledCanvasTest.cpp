// Canvases at the desktop's scale: drawn with all the screen's pixels, and a saved PNG as
// many pixels as the canvas has device-independent pixels, whatever the scale.
#include "Canvas.h"
#include "analysis/Hist1D.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <qcustomplot.h>

TEST(ScaledCanvasTest, SharpOnScreenAndSavedAtTheCanvasSize) {
    vexel::Canvas canvas("fPad");
    canvas.resize(640, 480);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    canvas.divide(2, 2);
    canvas.cd(1);
    analysis::Hist1D histogram("h", "mass", 50, 1815, 1915);
    for (int i = 0; i < 500; ++i)
        histogram.fill(1865 + (i % 41) - 20);
    canvas.drawHistogram(histogram);
    canvas.update();
    QApplication::processEvents();

    const qreal ratio = canvas.devicePixelRatioF();
    EXPECT_DOUBLE_EQ(ratio, qApp->devicePixelRatio());
    // The plot's buffer has one pixel per device pixel, so nothing is scaled up on screen.
    EXPECT_DOUBLE_EQ(canvas.plot()->bufferDevicePixelRatio(), ratio);
    EXPECT_EQ(canvas.grab().size(), canvas.size() * ratio);

    QTemporaryDir dir;
    const QString path = dir.filePath("mass.png");
    ASSERT_TRUE(canvas.savePng(path));
    const QImage saved(path);
    EXPECT_EQ(saved.size(), canvas.plot()->size()) << "at " << ratio << "x";
}
