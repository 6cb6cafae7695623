#include "RangeBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vexel {

RangeBar::RangeBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(18);
}

void RangeBar::setPositions(double low, double high) {
    low_ = std::clamp(low, 0.0, 1.0);
    high_ = std::clamp(high, low_, 1.0);
    update();
}

int RangeBar::pixelOf(double position) const {
    const int margin = 5;
    return margin + static_cast<int>(std::lround(position * (width() - 2 * margin)));
}

double RangeBar::positionAt(int x) const {
    const int margin = 5;
    const int span = std::max(1, width() - 2 * margin);
    return std::clamp(double(x - margin) / span, 0.0, 1.0);
}

void RangeBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int mid = height() / 2;
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(QRect(pixelOf(0), mid - 3, pixelOf(1) - pixelOf(0), 6));
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawRect(QRect(pixelOf(low_), mid - 3, pixelOf(high_) - pixelOf(low_), 6));
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(palette().color(QPalette::Button));
    for (double p : {low_, high_})
        painter.drawRect(QRect(pixelOf(p) - 4, mid - 8, 8, 16));
}

void RangeBar::mousePressEvent(QMouseEvent* event) {
    const int x = event->pos().x();
    dragging_ = std::abs(x - pixelOf(low_)) <= std::abs(x - pixelOf(high_)) ? 1 : 2;
    if (low_ == high_)
        dragging_ = x < pixelOf(low_) ? 1 : 2;
    mouseMoveEvent(event);
}

void RangeBar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const double p = positionAt(event->pos().x());
    if (dragging_ == 1)
        low_ = std::min(p, high_);
    else
        high_ = std::max(p, low_);
    update();
    emit moved();
}

void RangeBar::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = 0;
}

} // namespace vexel
