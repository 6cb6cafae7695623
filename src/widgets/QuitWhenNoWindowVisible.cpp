#include "QuitWhenNoWindowVisible.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vexel {

QEvent::Type EndRequestEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QuitWhenNoWindowVisible::QuitWhenNoWindowVisible(bool quitApplication, QObject* parent)
    : QObject(parent), quitApplication_(quitApplication) {
    qApp->installEventFilter(this);
}

bool QuitWhenNoWindowVisible::anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
            return true;
    return false;
}

bool QuitWhenNoWindowVisible::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() && !checkPending_) {
        // Look once the event has been handled: a hide may be followed by a show.
        checkPending_ = true;
        QTimer::singleShot(0, this, SLOT(check()));
    }
    return false;
}

void QuitWhenNoWindowVisible::check() {
    checkPending_ = false;
    if (anyWindowVisible())
        return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EndRequestEvent request;
        QCoreApplication::sendEvent(w, &request);
        if (!request.isAccepted())
            return;
    }
    emit noWindowVisible();
    if (quitApplication_)
        QCoreApplication::quit();
}

} // namespace vexel
