// Times what a student waits for in the event display: the window opening
// (geometry and first event), a step to the next event and one rendered frame.
// Uses the generated data of the working directory when present, otherwise the
// small test detector with synthetic events.
#include "EventDisplay.h"
#include "EventDisplayTestData.h"
#include "Frame.h"
#include "Messages.h"

#include <QApplication>
#include <QFile>
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

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    vexel::setMessageSink([](const QString& title, const QString& text) {
        std::fprintf(stderr, "[message box] %s: %s\n", qPrintable(title), qPrintable(text));
    });

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

    const auto frames = [&](vexel::EventDisplay* view, const char* what) {
        std::vector<double> t;
        view->renderNow();
        for (int i = 0; i < 15; ++i) {
            view->rotateCamera(0.01, 0.02);
            start = Clock::now();
            view->renderNow();
            t.push_back(msSince(start));
        }
        std::printf("frame (%s, %dx%d): median %.1f ms\n", what, view->width(), view->height(),
                    median(t));
    };
    frames(frame.display(), "view in the window");
    auto* window = frame.display()->renderer()->GetRenderWindow();
    std::printf("multisamples %d, depth peeling %d\n", window->GetMultiSamples(),
                frame.display()->renderer()->GetUseDepthPeeling());
    frame.HideGeometry();
    frames(frame.display(), "tracks only");
    frame.ShowGeometry();
    std::vector<unsigned> loaded;
    for (int m = 0; m < frame.display()->materialCount(); ++m) {
        loaded.push_back(frame.display()->materialTransparency(m));
        frame.display()->setMaterialTransparency(m, 0);
    }
    frames(frame.display(), "all volumes opaque");
    for (int m = 0; m < frame.display()->materialCount(); ++m)
        frame.display()->setMaterialTransparency(m, loaded[static_cast<std::size_t>(m)]);
    frame.TransparencySwitch();
    frames(frame.display(), "transparent detector");
    frame.TransparencySwitch();

    // The view alone at the window's full size.
    frame.display()->setParent(nullptr);
    frame.display()->resize(1728, 972);
    frame.display()->show();
    QApplication::processEvents();
    frames(frame.display(), "view alone");
    return 0;
}
