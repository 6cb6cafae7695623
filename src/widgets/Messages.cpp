#include "Messages.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace vexel {

namespace {
MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}
} // namespace

void showMessage(const QString& title, const QString& text) {
    if (currentSink()) {
        currentSink()(title, text);
        return;
    }
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setStyleSheet("QLabel{qproperty-alignment: AlignCenter;}");
    box.addButton(QStringLiteral("Dismiss"), QMessageBox::AcceptRole);
    box.exec();
}

MessageSink setMessageSink(MessageSink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

} // namespace vexel
