// vexel-guide MARKDOWN HTML PDF: renders a teacher's guide to HTML and PDF.
#include "GuideRenderer.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: vexel-guide MARKDOWN HTML PDF\n");
        return 2;
    }
    GuideRenderer renderer;
    if (!renderer.load(QString::fromLocal8Bit(argv[1])) ||
        !renderer.writeHtml(QString::fromLocal8Bit(argv[2])) ||
        !renderer.writePdf(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "vexel-guide: %s\n", qPrintable(renderer.error()));
        return 1;
    }
    return 0;
}
