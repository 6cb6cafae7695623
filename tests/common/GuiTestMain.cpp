#include "GuiTestSupport.h"
#include "HighDensityDisplay.h"
#include "Messages.h"

#include <QApplication>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>
#include <cstdio>
#include <gtest/gtest.h>
#ifdef VEXEL_KEEP_LOADED
#include <dlfcn.h>
#endif

namespace {
void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        vexel::test::recordWarning(text);
    std::fprintf(stderr, "%s\n", qPrintable(text));
}
} // namespace

int main(int argc, char** argv) {
#ifdef VEXEL_KEEP_LOADED
    // Sanitizer build: the graphics driver stays loaded until the leak check at exit, so what
    // it keeps stays reachable instead of being reported without a library name.
    dlopen(VEXEL_KEEP_LOADED, RTLD_NOW | RTLD_NODELETE);
#endif
    qInstallMessageHandler(keepWarnings);
    // As in the program: the 3D view needs its OpenGL format before the application.
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    // Scaled as in the program, so a suite can run at QT_SCALE_FACTOR 1, 1.5 or 2.
    vexel::enableHighDensityScaling();
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    QApplication::setQuitOnLastWindowClosed(false);
    vexel::setMessageSink([](const QString& title, const QString& text) {
        std::fprintf(stderr, "[message box] %s: %s\n", qPrintable(title), qPrintable(text));
        vexel::test::recordMessage(title, text);
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
