#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;

namespace vexel {

// Every message box of the program goes through showMessage: a modal box with the
// given title and text and a single button, "Dismiss" in the window's language. Tests replace the
// box with a sink so that nothing waits on a modal dialog.
using MessageSink = std::function<void(const QString& title, const QString& text)>;

void showMessage(const QString& title, const QString& text,
                 const QString& dismiss = QStringLiteral("Dismiss"));

// The box showMessage shows, made but not shown.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text,
                                            const QString& dismiss = QStringLiteral("Dismiss"));

// Shows a box made by makeMessageBox (further buttons added), or gives its title and text to
// the sink.
void showMessageBox(QMessageBox& box);

// Installs a sink (an empty function restores the real box); returns the previous one.
MessageSink setMessageSink(MessageSink sink);

// A modal question with the answers yes and no; true for yes. Tests answer through a sink.
using QuestionSink = std::function<bool(const QString& title, const QString& text)>;

bool askQuestion(const QString& title, const QString& text, const QString& yes, const QString& no);
QuestionSink setQuestionSink(QuestionSink sink);

} // namespace vexel
