#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vexel::test {

// Every visible label, button, check box, group title and tab below window (window
// included) whose text is wider or taller than the room the widget gives it in its own
// font, and every such widget that sticks out of its group. One line per fault, naming the
// widget, its text and the sizes; empty when everything fits.
QStringList clippedTexts(QWidget* window);

} // namespace vexel::test
