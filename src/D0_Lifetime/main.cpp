#include "HighDensityDisplay.h"
#include "QuitWhenNoWindowVisible.h"
#include "launcher.h"

#include <QApplication>
#include <QIcon>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>

int main(int argc, char** argv) {
    // The 3D view needs its OpenGL format before the application exists.
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    // The layout's positions are device-independent pixels: the windows scale with the desktop.
    vexel::enableHighDensityScaling();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vexel Lumora launcher");
    QApplication::setStyle("Fusion");
    // The menu entry's name and icon: the desktop joins the windows to the entry.
    QGuiApplication::setDesktopFileName("vexel-lumora");
    QApplication::setWindowIcon(
        QIcon::fromTheme("vexel-lumora", QIcon("share/icons/hicolor/48x48/apps/vexel-lumora.png")));
    // The program ends when none of its windows is visible; hiding is not closing.
    // The watch starts once the launcher is up, after its start-up messages.
    QApplication::setQuitOnLastWindowClosed(false);
    launcher start; // owns the exercise windows it starts
    vexel::QuitWhenNoWindowVisible quitWhenHidden;
    return QApplication::exec();
}
