#include "Frame.h"

#include "Browser.h"
#include "launcher.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

QString pathSave;

Frame::Frame(const int lang, const char* user, QString pathSave2, int h, launcher* lstart)
    : user1(user ? user : ""), lang1(lang), combination_(h), l_start(lstart), browser_(nullptr),
      fTextButton834(nullptr) {
    pathSave = pathSave2;
    makeGui();
}

Frame::~Frame() = default;

void Frame::makeGui() {
    browser_ = new vexel::Browser;
    browser_->setWindowTitle("Vexel Lumora : event display");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto width = static_cast<unsigned>(screen.width() * 0.9);
    const auto height = static_cast<unsigned>(screen.height() * 0.9);
    browser_->setGeometry(5, 30, static_cast<int>(width), static_cast<int>(height));
    browser_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* panel = new QWidget;
    fTextButton834 = new QPushButton("Move on to D0 Exercise", panel);
    fTextButton834->setGeometry(16, 16, 208, 24);
    connect(fTextButton834, SIGNAL(clicked()), this, SLOT(Exit()));
    browser_->addTab(vexel::Browser::Left, panel, "Event Control");
    browser_->show();
}

void Frame::Exit() {
    browser_->hide();
    l_start->enableII();
}
