#pragma once

#include <QEvent>
#include <QObject>

namespace vexel {

// Sent to every top-level window before the program ends. A window that holds work the
// student has not saved may ignore it, after showing itself again, to keep the program open.
class EndRequestEvent : public QEvent {
public:
    EndRequestEvent() : QEvent(eventType()) {}
    static QEvent::Type eventType();
};

// Reports (and, unless told otherwise, ends the application) once no top-level
// window is visible any more, whether it was hidden by the program or closed by
// the window manager, and no window refuses the end request.
class QuitWhenNoWindowVisible : public QObject {
    Q_OBJECT
public:
    explicit QuitWhenNoWindowVisible(bool quitApplication = true, QObject* parent = nullptr);

    static bool anyWindowVisible();

signals:
    void noWindowVisible();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void check();

private:
    bool quitApplication_;
    bool checkPending_ = false;
};

} // namespace vexel
