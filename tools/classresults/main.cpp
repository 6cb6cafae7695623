// vexel-class SOURCE... [--export FILE] [--label "SCHOOL|CLASS|DATE"] [--count-every-file]
//                       [--csv FILE] [--png FILE]
// Prints the results of the classes given as class folders (students' files) and class
// exports, each class and all together, and writes what is asked: --export the class export
// of the first class folder (--root is the same), --csv the tables, --png the plots.
// Exit status: 0 when at least one valid file was found, 1 when none, 2 on wrong use,
// 3 when a file asked for could not be written.
#include "ClassResultsPlot.h"
#include "classroom/ClassExport.h"
#include "classroom/ClassResultsExport.h"
#include "classroom/ClassSummaryText.h"
#include "classroom/LessonDaySources.h"

#include <QApplication>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: vexel-class SOURCE... [--export FILE] [--label "
                         "\"SCHOOL|CLASS|DATE\"] [--count-every-file] [--csv FILE] [--png FILE]\n"
                         "  SOURCE: a class folder or a class export (.root)\n");
    return 2;
}

classroom::ClassLabel parseLabel(const std::string& text) {
    classroom::ClassLabel l;
    std::string* parts[] = {&l.school, &l.className, &l.date};
    std::size_t start = 0;
    for (int i = 0; i < 3 && start <= text.size(); ++i) {
        const auto bar = i < 2 ? text.find('|', start) : std::string::npos;
        *parts[i] = text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        start = bar == std::string::npos ? text.size() + 1 : bar + 1;
    }
    return l;
}

bool savePng(const std::string& path, const classroom::LessonDay& day, int argc, char** argv) {
    // No window is shown: render off screen unless a platform was chosen.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ClassResultsPlot plot;
    plot.setAttribute(Qt::WA_DontShowOnScreen);
    plot.resize(1400, 600);
    plot.show();
    plot.draw(day, ClassResultsPlot::defaultTrend(day.total),
              ClassResultsTexts::forLanguage(vexel::Language()),
              LessonDayTexts::forLanguage(vexel::Language()));
    QString error;
    if (plot.saveAs(QFile::decodeName(path.c_str()), &error))
        return true;
    std::fprintf(stderr, "vexel-class: %s: %s\n", path.c_str(), error.toLocal8Bit().constData());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> sources;
    std::string exportFile, label, csv, png;
    bool every = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string* target = a == "--csv"                       ? &csv
                              : a == "--export" || a == "--root" ? &exportFile
                              : a == "--label"                   ? &label
                              : a == "--png"                     ? &png
                                                                 : nullptr;
        if (target) {
            if (i + 1 >= argc)
                return usage();
            *target = argv[++i];
        } else if (a == "--count-every-file") {
            every = true;
        } else if (!a.empty() && a[0] == '-') {
            return usage();
        } else {
            sources.push_back(a);
        }
    }
    if (sources.empty())
        return usage();

    classroom::LessonDaySources day;
    int firstFolder = -1;
    for (const auto& s : sources) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(s, ec)) {
            day.addExport(s);
            continue;
        }
        if (firstFolder < 0)
            firstFolder = static_cast<int>(day.sources().size());
        day.addFolder(s, firstFolder == static_cast<int>(day.sources().size())
                             ? parseLabel(label)
                             : classroom::ClassLabel{});
    }
    day.rescan();
    for (std::size_t i = 0; i < day.sources().size(); ++i)
        if (!day.readable(i)) {
            std::fprintf(stderr, "vexel-class: %s: cannot read the folder\n",
                         day.sources()[i].path.c_str());
            return 1;
        }
    const auto rule =
        every ? classroom::DuplicateRule::CountEveryFile : classroom::DuplicateRule::CountOnce;
    const classroom::LessonDay lesson = day.combine(rule);
    std::cout << classroom::duplicateRuleText(rule) << "\n"
              << classroom::lifetimeRuleText() << "\n";
    for (const auto& c : lesson.classes)
        std::cout << "\n== " << c.name << " ==\n"
                  << classroom::summaryText(c.summary, c.fromExport ? std::string() : c.source);
    if (lesson.classes.size() > 1)
        std::cout << "\n== All classes ==\n" << classroom::summaryText(lesson.total, "");
    // Exports not used (a class's own files not used are listed with the class).
    std::set<std::string> listed;
    for (const auto& c : lesson.classes)
        for (const auto& u : c.summary.unused)
            listed.insert(u.path);
    for (const auto& u : lesson.unused)
        if (!listed.count(u.path))
            std::cout << "Not used: " << u.path << ": " << classroom::reasonText(u.reason)
                      << (u.detail.empty() ? "" : " (" + u.detail + ")") << "\n";

    bool written = true;
    try {
        if (!csv.empty())
            classroom::writeLessonDayCsv(csv, lesson);
        if (!exportFile.empty()) {
            const auto c = std::find_if(lesson.classes.begin(), lesson.classes.end(),
                                        [](const auto& c) { return !c.fromExport; });
            if (c == lesson.classes.end())
                throw std::runtime_error("--export needs a class folder");
            const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::system_clock::now().time_since_epoch())
                                      .count();
            classroom::writeClassExport(exportFile, c->summary, c->label, now);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vexel-class: %s\n", e.what());
        written = false;
    }
    if (!png.empty())
        written = savePng(png, lesson, argc, argv) && written;
    if (lesson.total.students.empty()) {
        std::fprintf(stderr, "vexel-class: no valid student's file or class export\n");
        return 1;
    }
    return written ? 0 : 3;
}
