// A class's worth of use in one session: 1000 Next/pick/Back cycles in the event display and
// 200 mass and lifetime fits with canvas saves in the D0 exercise. Resident memory is read
// before and after each run (after a warm-up); the growth per cycle or fit must stay within
// its bound (1 KiB a display cycle). Exits 1 when it does not.
//
// Mesa's software renderer, when it rasterizes on threads of its own, keeps more memory in
// steps of up to about 1 MiB at moments set by its threads' timing, up to a plateau
// (docs/performance.md). The bench therefore has it rasterize on the drawing thread, so that
// what grows is the program's; set LP_NUM_THREADS to measure with rasterizer threads.
#include "EventDisplay.h"
#include "Frame.h"
#include "Messages.h"
#include "RangeSlider.h"
#include "Vexel_D0_Exercise.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QVTKOpenGLNativeWidget.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Resident set size of this process in MiB, from /proc/self/status.
double residentMiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int messageCount = 0;

// One Next, a pick at the middle of a drawn track as a click would, one Back.
void stepAndPick(Frame& frame) {
    frame.Next();
    vexel::EventDisplay& view = *frame.display();
    view.renderNow();
    for (int k = 0; k < view.lineCount(); ++k) {
        const auto& points = view.line(k)->points();
        if (points.size() < 2)
            continue;
        const auto& p = points[points.size() / 2];
        if (const vexel::TrackLine* picked = view.pickLine(view.toWidget({p[0], p[1], p[2]}))) {
            frame.OnClicked(picked);
            frame.SaveParticle();
            break;
        }
    }
    frame.Back();
    QApplication::processEvents();
}

void fitAndSave(TVSDReader& reader) {
    reader.PlotD0Mass();
    reader.FitInvariantMass();
    // The signal window a student chooses around the peak.
    reader.fFitRangeGaus->setValues(1840.0f, 1890.0f, true);
    reader.PlotVarDists();
    reader.FitDecayTime();
    reader.SaveCanvas();
    QApplication::processEvents();
}

// Runs warmUp then count repetitions; prints the memory growth over the counted ones, in all
// and per repetition, against a bound per repetition.
template <typename Step>
bool measure(const char* what, int warmUp, int count, double boundKiBEach, Step step) {
    for (int i = 0; i < warmUp; ++i)
        step();
    const double before = residentMiB();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        step();
        if (count >= 10 && (i + 1) % (count / 10) == 0) {
            std::printf("  %s %d: resident %.2f MiB\n", what, i + 1, residentMiB());
            std::fflush(stdout);
        }
    }
    const double after = residentMiB();
    const double growthKiB = (after - before) * 1024.0;
    const double each = count > 0 ? growthKiB / count : 0.0;
    const bool bounded = each <= boundKiBEach;
    std::printf("%s: %d in %.1f s; resident %.1f MiB before, %.1f MiB after, growth %.0f KiB "
                "(%.2f KiB each; bound %.0f KiB each): %s\n",
                what, count, secondsSince(start), before, after, growthKiB, each, boundKiBEach,
                bounded ? "bounded" : "GROWS");
    return bounded;
}

} // namespace

int main(int argc, char** argv) {
    setenv("LP_NUM_THREADS", "0", 0);
    std::printf("software rasterizer threads (LP_NUM_THREADS): %s\n",
                std::getenv("LP_NUM_THREADS"));
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    QApplication app(argc, argv);
    vexel::setMessageSink([](const QString&, const QString&) { ++messageCount; });
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int fits = argc > 2 ? std::atoi(argv[2]) : 200;
    // Caches of Qt, VTK and the renderer fill over the first few hundred cycles (one step of
    // about 1.3 MiB near cycle 250, then flat; docs/performance.md).
    const int displayWarmUp = argc > 3 ? std::atoi(argv[3]) : 600;

    bool bounded = true;
    {
        Frame frame(1, "Long_Use_1", "", 1, nullptr);
        bounded &= measure("Next/pick/Back cycles", displayWarmUp, cycles, 1.0,
                           [&] { stepAndPick(frame); });
    }

    QTemporaryDir output;
    TVSDReader reader(candidateFilePath().c_str());
    reader.pathSaveD0 = output.path() + "/";
    reader.EN();
    reader.ToStudent();
    reader.fName1->setText("longuse");
    reader.SetFileName();
    bounded &= measure("mass and lifetime fits with canvas saves", 5, fits, 80.0,
                       [&] { fitAndSave(reader); });
    const QStringList saved = QDir(output.path()).entryList(QDir::Files);
    std::printf("files in the output directory: %s; message windows: %d\n",
                qPrintable(saved.join(", ")), messageCount);
    return bounded ? 0 : 1;
}
