// Times the lesson day: lesson_day_bench [CLASSES] [STUDENTS]
// CLASSES class exports of STUDENTS students each (default 20 of 30) read, combined and drawn;
// one new export taken in (read, combined, drawn) while the others are known.
#include "ClassFolderMaker.h"
#include "ClassResultsPlot.h"
#include "TemporaryFolder.h"
#include "classroom/ClassExport.h"
#include "classroom/LessonDaySources.h"

#include <QApplication>
#include <qcustomplot.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double ms(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Class c's students: combinations spread over the 175, a few shared with other classes.
classroom::ClassSummary makeClass(const fs::path& folder, int c, int students) {
    for (int s = 0; s < students; ++s) {
        classtest::StudentWork w;
        w.identity = "Student" + std::to_string(s) + "_Class" + std::to_string(c) + "_10";
        w.combination = 1 + (c * 37 + s * 5) % 175;
        w.masses = classtest::studentMasses(static_cast<unsigned>(c * 100 + s + 1), 30, 12);
        for (int k = 0; k < 3; ++k)
            w.lifetimes.lifetimes.push_back(
                {2, -4.0, -1.5 + 0.5 * k, 0.40 + 0.001 * (s % 7), 0.01});
        classtest::writeStudentWork(folder, w);
    }
    classroom::ClassFolder f(folder.string());
    f.rescan();
    return classroom::summarize(f.files(), folder.string());
}

} // namespace

int main(int argc, char** argv) {
    const int classes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int students = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const vexel::test::TemporaryFolder scratch("vexel-lesson-day-bench");
    const fs::path exports = scratch.path() / "exports";
    fs::create_directories(exports);
    std::vector<classroom::ClassSummary> made;
    for (int c = 0; c <= classes; ++c) {
        made.push_back(makeClass(scratch.path() / ("class" + std::to_string(c)), c, students));
        if (c < classes)
            classroom::writeClassExport(
                (exports / ("class" + std::to_string(c) + ".root")).string(), made.back(),
                {"School", "Class " + std::to_string(c), "today"}, c);
    }
    ClassResultsPlot plot;
    plot.resize(1920, 1000);
    plot.show();
    const auto texts = ClassResultsTexts::forLanguage(1);
    const auto lesson = LessonDayTexts::forLanguage(1);

    std::vector<double> all;
    for (int run = 0; run < 5; ++run) {
        const auto t0 = Clock::now();
        classroom::LessonDaySources sources;
        sources.addFolder(exports.string(), {});
        sources.rescan();
        const auto day = sources.combine(classroom::DuplicateRule::CountOnce);
        plot.draw(day, 2, texts, lesson);
        plot.plot()->repaint();
        all.push_back(ms(t0));
        if (run == 0)
            std::printf("%zu classes, %zu students, %.0f entries, %zu combinations twice\n",
                        day.classes.size(), day.total.students.size(), day.total.totalEntries(),
                        day.total.combinationsTwice.size());
    }
    std::printf("%d class exports of %d students read, combined and drawn: %.1f ms (median of 5)\n",
                classes, students, median(all));

    classroom::LessonDaySources sources;
    sources.addFolder(exports.string(), {});
    sources.rescan();
    std::vector<double> oneNew, combineOnly;
    for (int run = 0; run < 5; ++run) {
        const fs::path added = exports / ("new" + std::to_string(run) + ".root");
        classroom::writeClassExport(added.string(), made.back(),
                                    {"School", "Late " + std::to_string(run), "today"}, 100 + run);
        const auto t0 = Clock::now();
        sources.rescan();
        const auto day = sources.combine(classroom::DuplicateRule::CountOnce);
        plot.draw(day, 2, texts, lesson);
        plot.plot()->repaint();
        oneNew.push_back(ms(t0));
        const auto t1 = Clock::now();
        (void)sources.combine(classroom::DuplicateRule::CountOnce);
        combineOnly.push_back(ms(t1));
    }
    std::printf("one new class export taken in (rescan, read, combine, draw): %.1f ms (median of "
                "5; combining alone %.1f ms)\n",
                median(oneNew), median(combineOnly));
    return 0;
}
