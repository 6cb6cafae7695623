#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QWidget;

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

// Saves a screenshot of widget as PNG under <build>/screenshots/<name>.png.
QString saveScreenshot(QWidget* widget, const QString& name);

} // namespace vexel::test
