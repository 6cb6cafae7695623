// vexel-class DIR [--csv FILE] [--root FILE] [--png FILE]
// Prints the class's results of the students' files in DIR and writes what is asked.
// Exit status: 0 when at least one valid file was found, 1 when none, 2 on wrong use,
// 3 when a file asked for could not be written.
#include "ClassResultsPlot.h"
#include "classroom/ClassFolder.h"
#include "classroom/ClassResultsExport.h"
#include "classroom/ClassSummaryText.h"

#include "Canvas.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: vexel-class DIR [--csv FILE] [--root FILE] [--png FILE]\n");
    return 2;
}

bool savePng(const std::string& path, const classroom::ClassSummary& summary, int argc,
             char** argv) {
    // No window is shown: render off screen unless a platform was chosen.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    vexel::Canvas canvas("ClassCanvas");
    canvas.setAttribute(Qt::WA_DontShowOnScreen);
    canvas.resize(1400, 600);
    canvas.show();
    ClassResultsPlot plot(canvas);
    plot.draw(summary, ClassResultsPlot::defaultTrend(summary),
              ClassResultsTexts::forLanguage(vexel::Language()));
    QString error;
    if (canvas.savePng(QFile::decodeName(path.c_str()), &error))
        return true;
    std::fprintf(stderr, "vexel-class: %s: %s\n", path.c_str(), error.toLocal8Bit().constData());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::string dir, csv, root, png;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string* target = a == "--csv"    ? &csv
                              : a == "--root" ? &root
                              : a == "--png"  ? &png
                                              : nullptr;
        if (target) {
            if (i + 1 >= argc)
                return usage();
            *target = argv[++i];
        } else if (!a.empty() && a[0] == '-') {
            return usage();
        } else if (dir.empty()) {
            dir = a;
        } else {
            return usage();
        }
    }
    if (dir.empty())
        return usage();

    classroom::ClassFolder folder(dir);
    folder.rescan();
    if (!folder.readable()) {
        std::fprintf(stderr, "vexel-class: %s: cannot read the folder\n", dir.c_str());
        return 1;
    }
    const classroom::ClassSummary summary = classroom::summarize(folder.files(), folder.root());
    std::cout << classroom::summaryText(summary, dir);

    bool written = true;
    try {
        if (!csv.empty())
            classroom::writeStudentsCsv(csv, summary, dir);
        if (!root.empty())
            classroom::writeClassRoot(root, summary);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vexel-class: %s\n", e.what());
        written = false;
    }
    if (!png.empty())
        written = savePng(png, summary, argc, argv) && written;
    if (summary.used.empty()) {
        std::fprintf(stderr, "vexel-class: no valid student's file in %s\n", dir.c_str());
        return 1;
    }
    return written ? 0 : 3;
}
