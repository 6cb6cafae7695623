#include "QuitWhenNoWindowVisible.h"
#include "launcher.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vexel Lumora launcher");
    // The program ends when none of its windows is visible; hiding is not closing.
    QApplication::setQuitOnLastWindowClosed(false);
    vexel::QuitWhenNoWindowVisible quitWhenHidden;
    new launcher;
    return QApplication::exec();
}
