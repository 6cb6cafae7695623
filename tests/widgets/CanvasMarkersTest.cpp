// The plot style as a student sees it on screen and in the saved pictures.
#include "Canvas.h"
#include "CanvasPad.h"
#include "analysis/Hist1D.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace {

// A picture rendered by Ghostscript at 288 dots per inch, four pixels to a point.
QImage rendered(const QString& file) {
    QProcess gs;
    gs.start("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=png16m",
                    "-r288", "-sOutputFile=" + file + ".png", file});
    return gs.waitForFinished(60000) && gs.exitCode() == 0 ? QImage(file + ".png") : QImage();
}

// An open circle of `radius` pixels around `centre`: light inside, dark on the ring.
bool openCircleAt(const QImage& image, QPointF centre, double radius) {
    const auto grey = [&](double x, double y) {
        return qGray(image.pixel(static_cast<int>(x), static_cast<int>(y)));
    };
    int ring = 0;
    for (int k = 0; k < 16; ++k) {
        const double a = k * M_PI / 8;
        ring += grey(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)) < 128;
    }
    return grey(centre.x(), centre.y()) > 170 && ring >= 12;
}

} // namespace

TEST(CanvasStyle, SavedPicturesHoldOpenCirclesWhereTheScreenShowsThem) {
    if (QStandardPaths::findExecutable("gs").isEmpty())
        GTEST_SKIP() << "Ghostscript is not installed";
    QTemporaryDir dir;
    vexel::Canvas canvas("c");
    canvas.resize(560, 420);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    canvas.divide(2, 2);
    analysis::Hist1D h("m", "m", 10, 0, 10);
    for (double x : {1.5, 4.5, 7.5})
        for (int i = 0; i < 100; ++i)
            h.fill(x);
    vexel::DrawStyle style;
    style.look = vexel::DrawStyle::Look::Markers;
    style.markerStyle = 24;
    style.markerSize = vexel::markerPixels(0.5);
    canvas.drawHistogram(h, style);
    canvas.update();
    QCPAxisRect* rect = canvas.plot()->axisRect(0);
    // Pads of a divided canvas keep 0.01 of the canvas on every side.
    EXPECT_EQ(rect->outerRect().topLeft(), QPoint(6, 4));
    EXPECT_EQ(canvas.plot()->axisRect(3)->outerRect().bottomRight(), QPoint(553, 415));

    for (const QString& extension : {".png", ".pdf", ".eps"})
        ASSERT_TRUE(canvas.saveAs(dir.filePath("c" + extension)));
    const QImage screen = canvas.plot()->grab().toImage();
    const QImage png(dir.filePath("c.png"));
    const QImage pdf = rendered(dir.filePath("c.pdf"));
    const QImage eps = rendered(dir.filePath("c.eps"));
    ASSERT_EQ(png.size(), screen.size());
    ASSERT_EQ(pdf.size(), screen.size() * 4);
    ASSERT_EQ(eps.size(), screen.size() * 4);
    for (double x : {1.5, 4.5, 7.5}) {
        const QPointF centre(rect->axis(QCPAxis::atBottom)->coordToPixel(x),
                             rect->axis(QCPAxis::atLeft)->coordToPixel(100));
        EXPECT_TRUE(openCircleAt(screen, centre, 2)) << x;
        EXPECT_TRUE(openCircleAt(png, centre, 2)) << x;
        EXPECT_TRUE(openCircleAt(pdf, centre * 4, 8)) << x;
        EXPECT_TRUE(openCircleAt(eps, centre * 4, 8)) << x;
    }
}
