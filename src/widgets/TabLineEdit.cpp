#include "TabLineEdit.h"

#include <QKeyEvent>

namespace vexel {

TabLineEdit::TabLineEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(4096);
}

bool TabLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            emit tabPressed();
            return true;
        }
    }
    return QLineEdit::event(event);
}

} // namespace vexel
