#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QPushButton;
class QWidget;

namespace vexel {
class Browser;
class RangeSlider;
} // namespace vexel

namespace vexel::test {

struct Message {
    QString title;
    QString text;
};

// Message boxes shown since the last clearMessages(), in order.
const std::vector<Message>& messages();
void clearMessages();

// Qt warnings printed since the last clearWarnings().
const QStringList& warnings();
void clearWarnings();
// Warnings about connections to missing signals, slots or classes.
QStringList connectionWarnings();

// Called by the test main's message sink and warning handler.
void recordMessage(const QString& title, const QString& text);
void recordWarning(const QString& text);

// The messages shown since the last clearMessages(), each "title: text".
QStringList messageTexts();

// The push button showing exactly this text: among within's children, or else in every
// visible top-level window; with onlyVisible, hidden buttons are passed over. Null when none.
QPushButton* buttonWithText(const QString& text, QWidget* within = nullptr,
                            bool onlyVisible = true);
// Clicks the button with the mouse and lets the program react. False when there is none.
bool click(QPushButton* button);

// The open help text dialogs, each "title: text"; closeDialogs() accepts and deletes them.
QStringList dialogTexts();
void closeDialogs();

// The range slider of the window showing this label ("Sig range:", "D0 IP :"); null when none.
vexel::RangeSlider* rangeSlider(QWidget* window, const QString& label);

// The top-level window with this object name (visible or not); null when none.
QWidget* topLevelWindow(const QString& name);
// The D0 exercise's window, a visible one first; null before the exercise was started.
vexel::Browser* d0ExerciseWindow();

// Saves a screenshot of widget as PNG under <build>/screenshots/<name>.png.
QString saveScreenshot(QWidget* widget, const QString& name);

} // namespace vexel::test
