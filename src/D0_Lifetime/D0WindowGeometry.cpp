#include "D0WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

QRect d0WindowGeometry(const QSize& display, const QRect& available) {
    const int freeHeight = available.bottom() + 1 - 30;
    const int freeWidth = available.right() + 1 - 5;
    const int width = std::min(std::max(display.width() - 350, 1000), std::max(freeWidth, 640));
    const int height = std::min(std::max(display.height() - 200, 720), std::max(freeHeight, 400));
    return QRect(5, 30, width, height);
}

QRect d0WindowGeometry() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return d0WindowGeometry(screen->geometry().size(), screen->availableGeometry());
    return d0WindowGeometry(QSize(1280, 1024), QRect(0, 0, 1280, 1024));
}
