// vexel-class-results [SOURCE...]: the teacher's window of the classes' results; a SOURCE is
// a class folder or a class export. Without any, the classes of the last run.
#include "ClassResultsWindow.h"
#include "HighDensityDisplay.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>

int main(int argc, char** argv) {
    vexel::enableHighDensityScaling();
    QApplication app(argc, argv);
    QApplication::setApplicationName("vexel-class-results");
    QApplication::setOrganizationName("VexelLumora");
    QApplication::setStyle("Fusion");
    QGuiApplication::setDesktopFileName("vexel-class-results");
    // The installed icon; in the build's run directory, the generated one.
    QApplication::setWindowIcon(QIcon::fromTheme(
        "vexel-class-results", QIcon("share/icons/hicolor/48x48/apps/vexel-class-results.png")));
    ClassResultsWindow window;
    QSettings settings;
    QStringList sources = QApplication::arguments().mid(1);
    if (sources.isEmpty())
        sources = settings.value("sources", settings.value("folder")).toStringList();
    for (const QString& s : sources) {
        if (QFileInfo(s).isFile())
            window.addExport(s);
        else if (!s.isEmpty())
            window.addFolder(s);
    }
    window.show();
    const int status = app.exec();
    settings.setValue("sources", window.sourcePaths());
    return status;
}
