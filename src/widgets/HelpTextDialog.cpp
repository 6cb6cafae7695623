#include "HelpTextDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace vexel {

namespace {
QList<QPointer<HelpTextDialog>>& registry() {
    static QList<QPointer<HelpTextDialog>> dialogs;
    return dialogs;
}
} // namespace

HelpTextDialog::HelpTextDialog(const QString& title, const QString& text, int width, int height,
                               QWidget* parent, const QString& closeText)
    : QDialog(parent), view_(new QPlainTextEdit(this)), close_(new QPushButton(closeText, this)) {
    setWindowTitle(title);
    setModal(false);
    view_->setReadOnly(true);
    view_->setPlainText(text);
    connect(close_, SIGNAL(clicked()), this, SLOT(accept()));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    // Small message windows keep the size asked for; the text scrolls instead.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    view_->setMinimumHeight(0);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    // Never larger than the screen's free area (a small screen scaled up by the desktop).
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(10, 40);
        width = std::min(width, room.width());
        height = std::min(height, room.height());
    }
    resize(width, height);
    registry().append(this);
}

QString HelpTextDialog::text() const {
    return view_->toPlainText();
}

QString HelpTextDialog::closeText() const {
    return close_->text();
}

QList<HelpTextDialog*> HelpTextDialog::openDialogs() {
    QList<HelpTextDialog*> alive;
    for (const auto& d : registry())
        if (d)
            alive.append(d.data());
    return alive;
}

void HelpTextDialog::closeEvent(QCloseEvent* event) {
    // Only the Close button ends the dialog; accept() hides without a close event.
    event->ignore();
}

HelpTextDialog* popUpHelpText(const QString& title, const QString& text, int width, int height,
                              const QString& closeText) {
    auto* dialog = new HelpTextDialog(title, text, width, height, nullptr, closeText);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
    return dialog;
}

} // namespace vexel
