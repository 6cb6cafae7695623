// Times what a student waits for in the event display: the window opening
// (geometry and first event), a step to the next event, one rendered frame, and
// the frames of a rotation by mouse drag, with the lighter frames while dragging
// and without them (every frame a full one, as before they existed).
// Uses the generated data of the working directory when present, otherwise the
// small test detector with synthetic events.
// Run under X from the run directory:
//   xvfb-run -a -s "-screen 0 1920x1080x24" eventdisplay_bench [picture-directory]
// With a picture directory, the still frames after each drag are saved there.
#include "EventDisplay.h"
#include "EventDisplayTestData.h"
#include "Frame.h"
#include "Messages.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

double median(const std::vector<double>& v) {
    return percentile(v, 0.5);
}

// A left drag of 60 mouse moves over the view. A frame is timed from the mouse move
// to the moment the window shows it (the view's frame swapped on screen).
std::vector<double> dragFrames(vexel::EventDisplay* view, QImage* halfway = nullptr) {
    QVTKOpenGLNativeWidget* target = view->vtkWidget();
    int shown = 0;
    const auto connection =
        QObject::connect(target, &QOpenGLWidget::frameSwapped, [&shown] { ++shown; });
    const QPoint start(target->width() / 3, target->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    std::vector<double> frames;
    QPoint at = start;
    for (int step = 1; step <= 60; ++step) {
        at = start + QPoint(5 * step, step);
        QMouseEvent move(QEvent::MouseMove, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        const int before = shown;
        const auto t0 = Clock::now();
        QApplication::sendEvent(target, &move);
        while (shown == before && msSince(t0) < 5000)
            QApplication::processEvents(QEventLoop::AllEvents);
        frames.push_back(msSince(t0));
        if (halfway && step == 30)
            *halfway = target->grabFramebuffer();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
    QObject::disconnect(connection);
    return frames;
}

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

int main(int argc, char** argv) {
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    vexel::setMessageSink([](const QString& title, const QString& text) {
        std::fprintf(stderr, "[message box] %s: %s\n", qPrintable(title), qPrintable(text));
    });
    const QString pictures = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!pictures.isEmpty())
        QDir().mkpath(pictures);

    const auto run = vexel::test::syntheticDataUnlessGenerated(20, 40);
    const bool realData = !run;
    std::printf("data: %s\n", realData ? "generated run directory" : "synthetic test detector");

    auto start = Clock::now();
    Frame frame(1, "Bench_Mark_1", "", 1, nullptr);
    const double construct = msSince(start);
    frame.display()->renderNow();
    const double opening = msSince(start);
    QApplication::processEvents();
    std::printf("window opening: %.1f ms (construction %.1f ms, first frame included)\n", opening,
                construct);

    std::vector<double> next;
    for (int i = 0; i < 9; ++i) {
        start = Clock::now();
        frame.Next();
        next.push_back(msSince(start));
        frame.display()->renderNow();
    }
    std::printf("Next: median %.2f ms, max %.2f ms (%d tracks in the last event)\n", median(next),
                *std::max_element(next.begin(), next.end()), frame.display()->lineCount());

    vexel::EventDisplay* view = frame.display();
    const auto stillFrames = [&](const char* what) {
        std::vector<double> t;
        view->renderNow();
        for (int i = 0; i < 15; ++i) {
            view->rotateCamera(0.01, 0.02);
            start = Clock::now();
            view->renderNow();
            t.push_back(msSince(start));
        }
        std::printf("full frame rendered (%s, %dx%d): median %.1f ms\n", what, view->width(),
                    view->height(), median(t));
    };
    stillFrames("view in the window");
    frame.HideGeometry();
    stillFrames("tracks only");
    frame.ShowGeometry();
    frame.TransparencySwitch();
    stillFrames("transparent detector");
    frame.TransparencySwitch();

    // Rotation by mouse drag: before (every frame full) and after (lighter frames while
    // dragging), in the window and at 1728 x 972, opaque and transparent.
    std::printf("\nrotation, 60 drag steps, ms per frame from mouse move to frame shown\n");
    std::printf("%-9s %-11s %-9s  %8s %8s   %8s %8s   %s\n", "view", "size", "detector", "before",
                "p90", "after", "p90", "still frame after release");
    const auto rotation = [&](const char* place) {
        for (const bool transparent : {false, true}) {
            if (transparent)
                frame.TransparencySwitch();
            std::vector<double> results[2];
            QImage still[2];
            for (const bool lighter : {false, true}) {
                view->setLighterWhileInteracting(lighter);
                frame.DefaultCam();
                view->renderNow();
                QApplication::processEvents();
                QImage dragging;
                results[lighter] = dragFrames(view, &dragging);
                still[lighter] = view->renderImage();
                if (!pictures.isEmpty())
                    dragging.save(QString("%1/dragging-%2-%3-%4.png")
                                      .arg(pictures, place, transparent ? "transparent" : "opaque",
                                           lighter ? "after" : "before"));
                if (!pictures.isEmpty())
                    still[lighter].save(QString("%1/still-%2-%3-%4.png")
                                            .arg(pictures, place,
                                                 transparent ? "transparent" : "opaque",
                                                 lighter ? "after" : "before"));
            }
            const int differing = differingPixels(still[0], still[1]);
            std::printf("%-9s %4dx%-6d %-9s  %8.1f %8.1f   %8.1f %8.1f   %s (%d pixels differ)\n",
                        place, view->vtkWidget()->width(), view->vtkWidget()->height(),
                        transparent ? "transp." : "opaque", median(results[0]),
                        percentile(results[0], 0.9), median(results[1]),
                        percentile(results[1], 0.9), differing == 0 ? "same" : "DIFFERENT",
                        differing);
            std::fflush(stdout);
            if (transparent)
                frame.TransparencySwitch();
        }
    };
    rotation("window");
    // The view alone at 1728 x 972.
    view->setParent(nullptr);
    view->resize(1728, 972);
    view->show();
    QApplication::processEvents();
    rotation("alone");
    view->setLighterWhileInteracting(true);
    return 0;
}
