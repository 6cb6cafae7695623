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
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
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

// CPU time of this program, all threads, in ms.
double programCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The X server of this display when it runs on this machine (an Xvfb named with the
// display's number), or 0.
int xServerProcess() {
    const QByteArray display = qgetenv("DISPLAY");
    DIR* proc = opendir("/proc");
    if (display.isEmpty() || !proc)
        return 0;
    int found = 0;
    while (dirent* entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid <= 0)
            continue;
        std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline");
        std::string cmdline((std::istreambuf_iterator<char>(in)), {});
        std::vector<std::string> args;
        std::stringstream parts(cmdline);
        for (std::string arg; std::getline(parts, arg, '\0');)
            args.push_back(arg);
        if (args.size() > 1 && args[0].find("Xvfb") != std::string::npos &&
            args[1] == display.toStdString())
            found = pid;
    }
    closedir(proc);
    return found;
}

// CPU time of a process in ms (the kernel counts it in ticks of 10 ms or less).
double processCpuMs(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), {});
    const auto close = stat.rfind(')');
    if (pid <= 0 || close == std::string::npos)
        return 0;
    std::stringstream fields(stat.substr(close + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; fields >> field && i <= 15; ++i)
        if (i == 14 || i == 15)
            ticks += std::stod(field);
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct DragTimes {
    std::vector<double> frames; // wall clock, ms
    double cpuPerFrame = 0;     // program and X server, ms
};

// A left drag of 60 mouse moves over the view. A frame is timed from the mouse move
// to the moment the window shows it (the view's frame swapped on screen).
DragTimes dragFrames(vexel::EventDisplay* view, int xServer, QImage* halfway = nullptr) {
    QVTKOpenGLNativeWidget* target = view->vtkWidget();
    int shown = 0;
    const auto connection =
        QObject::connect(target, &QOpenGLWidget::frameSwapped, [&shown] { ++shown; });
    const QPoint start(target->width() / 3, target->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    std::vector<double> frames;
    QApplication::processEvents();
    double cpu = 0;
    QPoint at = start;
    for (int step = 1; step <= 60; ++step) {
        at = start + QPoint(5 * step, step);
        QMouseEvent move(QEvent::MouseMove, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        const int before = shown;
        const double cpu0 = programCpuMs() + processCpuMs(xServer);
        const auto t0 = Clock::now();
        QApplication::sendEvent(target, &move);
        while (shown == before && msSince(t0) < 5000)
            QApplication::processEvents(QEventLoop::AllEvents);
        frames.push_back(msSince(t0));
        cpu += programCpuMs() + processCpuMs(xServer) - cpu0;
        if (halfway && step == 30)
            *halfway = target->grabFramebuffer();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
    QObject::disconnect(connection);
    return {frames, cpu / static_cast<double>(frames.size())};
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
    // dragging), in the window and at 1728 x 972, opaque and transparent. The wall-clock
    // times depend on what else runs on the machine; the CPU time of a frame (this program
    // and the X server together) does much less.
    const int xServer = xServerProcess();
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) < 1)
        load[0] = -1;
    std::printf("\nrotation, 60 drag steps: ms per frame from mouse move to frame shown (median, "
                "90th percentile), CPU ms per frame%s; load average %.1f\n",
                xServer ? " (program and X server)" : " (program)", load[0]);
    std::printf("%-7s %-10s %-8s %7s %7s %6s   %7s %7s %6s   %s\n", "view", "size", "detector",
                "before", "p90", "cpu", "after", "p90", "cpu", "still frame after release");
    const auto rotation = [&](const char* place) {
        for (const bool transparent : {false, true}) {
            if (transparent)
                frame.TransparencySwitch();
            DragTimes results[2];
            QImage still[2];
            for (const bool lighter : {false, true}) {
                view->setLighterWhileInteracting(lighter);
                frame.DefaultCam();
                view->renderNow();
                QApplication::processEvents();
                QImage dragging;
                results[lighter] = dragFrames(view, xServer, &dragging);
                still[lighter] = view->renderImage();
                const QString name = QString("%1-%2-%3.png")
                                         .arg(place, transparent ? "transparent" : "opaque",
                                              lighter ? "after" : "before");
                if (!pictures.isEmpty()) {
                    dragging.save(pictures + "/dragging-" + name);
                    still[lighter].save(pictures + "/still-" + name);
                }
            }
            const int differing = differingPixels(still[0], still[1]);
            std::printf("%-7s %4dx%-5d %-8s %7.1f %7.1f %6.1f   %7.1f %7.1f %6.1f   %s (%d pixels "
                        "differ)\n",
                        place, view->vtkWidget()->width(), view->vtkWidget()->height(),
                        transparent ? "transp." : "opaque", median(results[0].frames),
                        percentile(results[0].frames, 0.9), results[0].cpuPerFrame,
                        median(results[1].frames), percentile(results[1].frames, 0.9),
                        results[1].cpuPerFrame, differing == 0 ? "same" : "DIFFERENT", differing);
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
