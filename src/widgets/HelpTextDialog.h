#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vexel {

// A non-modal window showing a read-only text with a Close button. The window
// manager's close request is ignored: only the button closes it. The button's label is
// given in the student's language.
class HelpTextDialog : public QDialog {
    Q_OBJECT
public:
    HelpTextDialog(const QString& title, const QString& text, int width, int height,
                   QWidget* parent = nullptr, const QString& closeText = QStringLiteral("Close"));

    QString text() const;
    QString closeText() const;

    // Every dialog opened so far and still alive; tests use it to look at them.
    static QList<HelpTextDialog*> openDialogs();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* view_;
    QPushButton* close_;
};

// Creates and pops up a help-text dialog; it deletes itself when closed.
HelpTextDialog* popUpHelpText(const QString& title, const QString& text, int width, int height,
                              const QString& closeText = QStringLiteral("Close"));

} // namespace vexel
