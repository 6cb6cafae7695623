#include "GuiTestSupport.h"

#include "Browser.h"
#include "HelpTextDialog.h"
#include "RangeSlider.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
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

QStringList messageTexts() {
    QStringList texts;
    for (const auto& m : messages())
        texts << m.title + ": " + m.text;
    return texts;
}

QPushButton* buttonWithText(const QString& text, QWidget* within, bool onlyVisible) {
    const QList<QWidget*> windows =
        within ? QList<QWidget*>{within} : QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (!within && !w->isVisible())
            continue;
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == text && (!onlyVisible || b->isVisible()))
                return b;
    }
    return nullptr;
}

bool click(QPushButton* button) {
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    return true;
}

QStringList dialogTexts() {
    QStringList texts;
    for (auto* d : vexel::HelpTextDialog::openDialogs())
        texts << d->windowTitle() + ": " + d->text();
    return texts;
}

void closeDialogs() {
    for (auto* d : vexel::HelpTextDialog::openDialogs())
        d->accept();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

vexel::RangeSlider* rangeSlider(QWidget* window, const QString& label) {
    for (auto* slider : window->findChildren<vexel::RangeSlider*>())
        if (slider->label() == label)
            return slider;
    return nullptr;
}

QWidget* topLevelWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

vexel::Browser* d0ExerciseWindow() {
    vexel::Browser* hidden = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<vexel::Browser*>(w);
            b && b->objectName() == "D0ExerciseBrowser") {
            if (b->isVisible())
                return b;
            if (!hidden)
                hidden = b;
        }
    return hidden;
}

} // namespace vexel::test
