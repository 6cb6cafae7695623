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
QuestionSink& currentQuestionSink() {
    static QuestionSink sink;
    return sink;
}
} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text,
                                            const QString& dismiss) {
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(title);
    box->setText(text);
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    box->setStyleSheet("QLabel{qproperty-alignment: AlignCenter;}");
    box->addButton(dismiss, QMessageBox::AcceptRole);
    return box;
}

void showMessage(const QString& title, const QString& text, const QString& dismiss) {
    if (currentSink()) {
        currentSink()(title, text);
        return;
    }
    makeMessageBox(title, text, dismiss)->exec();
}

void showMessageBox(QMessageBox& box) {
    if (currentSink()) {
        currentSink()(box.windowTitle(), box.text());
        return;
    }
    box.exec();
}

MessageSink setMessageSink(MessageSink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

bool askQuestion(const QString& title, const QString& text, const QString& yes, const QString& no) {
    if (currentQuestionSink())
        return currentQuestionSink()(title, text);
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::YesRole);
    QPushButton* noButton = box.addButton(no, QMessageBox::NoRole);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

QuestionSink setQuestionSink(QuestionSink sink) {
    return std::exchange(currentQuestionSink(), std::move(sink));
}

} // namespace vexel
