#include "GuiTestSupport.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace vexel::test {

namespace {
std::vector<Message>& messageLog() {
    static std::vector<Message> log;
    return log;
}
QStringList& warningLog() {
    static QStringList log;
    return log;
}
} // namespace

void recordMessage(const QString& title, const QString& text) {
    messageLog().push_back({title, text});
}

void recordWarning(const QString& text) {
    warningLog().append(text);
}

const std::vector<Message>& messages() {
    return messageLog();
}
void clearMessages() {
    messageLog().clear();
}

const QStringList& warnings() {
    return warningLog();
}
void clearWarnings() {
    warningLog().clear();
}

QStringList connectionWarnings() {
    QStringList found;
    for (const QString& w : warningLog())
        if (w.contains("QObject::connect") || w.contains("No such slot") ||
            w.contains("No such signal") || w.contains("invalid null parameter"))
            found.append(w);
    return found;
}

QString saveScreenshot(QWidget* widget, const QString& name) {
    const QString dir = QStringLiteral(VEXEL_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QString path = dir + "/" + name + ".png";
    widget->grab().save(path);
    return path;
}

} // namespace vexel::test
