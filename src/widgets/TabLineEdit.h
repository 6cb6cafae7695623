#pragma once

#include <QLineEdit>

namespace vexel {

// A text entry that reports TAB instead of moving the focus itself.
class TabLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TabLineEdit(QWidget* parent = nullptr);

signals:
    void tabPressed();

protected:
    bool event(QEvent* event) override;
};

} // namespace vexel
