// vexel-class-results [FOLDER]: the teacher's window of the class's results.
#include "ClassResultsWindow.h"
#include "HighDensityDisplay.h"

#include <QApplication>
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
    const QStringList args = QApplication::arguments();
    const QString folder = args.size() > 1 ? args[1] : settings.value("folder").toString();
    if (!folder.isEmpty())
        window.setFolder(folder);
    window.show();
    const int status = app.exec();
    if (!window.folder().isEmpty())
        settings.setValue("folder", window.folder());
    return status;
}
