#pragma once

#include <QObject>

namespace vexel {

// Reports (and, unless told otherwise, ends the application) once no top-level
// window is visible any more, whether it was hidden by the program or closed by
// the window manager.
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
