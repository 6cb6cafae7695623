// Times the class results on a large class:
//   classroom_bench [STUDENTS] [--keep DIR]
// reading, combining and fitting every student's file; combining and fitting alone; taking in
// one new file (the folder's rescan, and the teacher's window from the save to the update).
// Without --keep the class folder is made in the temporary directory and removed afterwards.
#include "ClassFolderMaker.h"
#include "ClassResultsWindow.h"
#include "TemporaryFolder.h"
#include "classroom/ClassFolder.h"
#include "classroom/ClassSummary.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double median(const std::function<void()>& f, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

classtest::StudentWork student(int i) {
    classtest::StudentWork w;
    w.identity = "Student" + std::to_string(i) + "_Class_" + std::to_string(9 + i % 4);
    w.combination = 1 + i % 175;
    w.subfolder = "group" + std::to_string(i % 6);
    w.masses = classtest::studentMasses(static_cast<unsigned>(i + 1), 25 + i % 10, 10);
    if (i % 3 == 0)
        for (int k = 0; k < 4; ++k)
            w.lifetimes.lifetimes.push_back(
                {2, -4.0, -1.5 + 0.5 * k, 0.40 + 0.001 * (i % 7), 0.01});
    return w;
}

} // namespace

int main(int argc, char** argv) {
    int students = 300;
    std::string keep;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--keep" && i + 1 < argc)
            keep = argv[++i];
        else
            students = std::max(1, std::atoi(argv[i]));
    }
    std::optional<vexel::test::TemporaryFolder> scratch;
    if (keep.empty())
        scratch.emplace("vexel-class-bench");
    const fs::path root = keep.empty() ? scratch->path() : fs::path(keep);
    fs::create_directories(root);
    const auto t0 = Clock::now();
    for (int i = 0; i < students; ++i)
        classtest::writeStudentWork(root, student(i));
    std::printf("%d students' files written in %.0f ms\n", students,
                std::chrono::duration<double, std::milli>(Clock::now() - t0).count());

    classroom::ClassSummary summary;
    const double cold = median(
        [&] {
            classroom::ClassFolder folder(root.string());
            folder.rescan();
            summary = classroom::summarize(folder.files());
        },
        5);
    std::printf("read, combine and fit %zu files: %.1f ms (fit %s, mass %.2f +- %.2f)\n",
                summary.used.size(), cold, summary.massFit.fit.valid ? "valid" : "failed",
                summary.massFit.fit.valid ? summary.massFit.fit.parameters[1] : 0.0,
                summary.massFit.fit.valid ? summary.massFit.fit.errors[1] : 0.0);

    classroom::ClassFolder folder(root.string());
    folder.rescan();
    std::printf("combine and fit alone: %.2f ms\n",
                median([&] { summary = classroom::summarize(folder.files()); }, 11));
    std::printf("rescan with nothing changed: %.2f ms\n", median([&] { folder.rescan(); }, 11));
    int next = students;
    std::vector<double> one;
    for (int k = 0; k < 7; ++k) {
        classtest::writeStudentWork(root, student(next++));
        one.push_back(median(
            [&] {
                folder.rescan();
                summary = classroom::summarize(folder.files());
            },
            1));
    }
    std::sort(one.begin(), one.end());
    std::printf("one new student's file taken in (rescan, read, combine, fit): %.2f ms\n", one[3]);

    // The window, watching: from the save to the shown update.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ClassResultsWindow window;
    window.setFolder(QString::fromStdString(root.string()));
    window.show();
    std::vector<double> latency;
    for (int k = 0; k < 5; ++k) {
        QApplication::processEvents();
        const int before = window.updates();
        QElapsedTimer timer;
        timer.start();
        classtest::writeStudentWork(root, student(next++));
        while (window.updates() == before && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        latency.push_back(static_cast<double>(timer.elapsed()));
    }
    std::sort(latency.begin(), latency.end());
    std::printf("window watching: save to update %.0f ms (median of 5; includes a 250 ms "
                "debounce), %zu students shown\n",
                latency[2], window.summary().students.size());
    return 0;
}
