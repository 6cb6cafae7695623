#include "Browser.h"

#include "Canvas.h"

#include <QSplitter>
#include <QTabWidget>

namespace vexel {

Browser::Browser(QWidget* parent) : QMainWindow(parent) {
    vertical_ = new QSplitter(Qt::Vertical, this);
    horizontal_ = new QSplitter(Qt::Horizontal, vertical_);
    for (auto& area : areas_)
        area = new QTabWidget;
    horizontal_->addWidget(areas_[Left]);
    horizontal_->addWidget(areas_[Right]);
    horizontal_->setStretchFactor(0, 0);
    horizontal_->setStretchFactor(1, 1);
    vertical_->addWidget(horizontal_);
    vertical_->addWidget(areas_[Bottom]);
    vertical_->setStretchFactor(0, 1);
    vertical_->setStretchFactor(1, 0);
    areas_[Right]->setTabsClosable(true);
    connect(areas_[Right], SIGNAL(tabCloseRequested(int)), this, SLOT(closeRightTab(int)));
    setCentralWidget(vertical_);
    updateAreaVisibility();
}

QTabWidget* Browser::tabs(Area area) const {
    return areas_[area];
}

int Browser::addTab(Area area, QWidget* page, const QString& title) {
    const int index = areas_[area]->addTab(page, title);
    areas_[area]->setCurrentIndex(index);
    updateAreaVisibility();
    return index;
}

int Browser::findTab(Area area, const QString& title) const {
    const QTabWidget* tabs = areas_[area];
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == title)
            return i;
    return -1;
}

bool Browser::raiseTab(Area area, const QString& title) {
    const int index = findTab(area, title);
    if (index < 0)
        return false;
    areas_[area]->setCurrentIndex(index);
    return true;
}

bool Browser::removeTab(Area area, int index) {
    if (index < 0 || index >= areas_[area]->count())
        return false;
    areas_[area]->removeTab(index);
    updateAreaVisibility();
    return true;
}

void Browser::setTabTitle(Area area, int index, const QString& title) {
    areas_[area]->setTabText(index, title);
}

Canvas* Browser::canvasTab(const QString& title, const QString& canvasName, int columns, int rows,
                           bool* created) {
    const int index = findTab(Right, title);
    auto* canvas = index >= 0 ? qobject_cast<Canvas*>(areas_[Right]->widget(index)) : nullptr;
    if (created)
        *created = canvas == nullptr;
    if (!canvas) {
        canvas = new Canvas(canvasName);
        canvas->divide(columns, rows);
        addTab(Right, canvas, title);
    }
    raiseTab(Right, title);
    canvas->cd(1);
    return canvas;
}

void Browser::closeRightTab(int index) {
    QWidget* page = areas_[Right]->widget(index);
    if (!page)
        return;
    areas_[Right]->removeTab(index);
    emit rightTabClosed(page);
    page->deleteLater();
    updateAreaVisibility();
}

void Browser::updateAreaVisibility() {
    for (auto* area : areas_)
        area->setVisible(area->count() > 0);
}

} // namespace vexel
