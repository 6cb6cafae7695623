// vexel-class-results [FOLDER]: the teacher's window of the class's results.
#include "ClassResultsWindow.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("vexel-class-results");
    QApplication::setOrganizationName("VexelLumora");
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
