#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vexelgen {

namespace {

// The shared background on a 100-unit square: a rounded tile holding the detector ring.
void beginTile(int size, QPainter& p, QImage& image) {
    image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 100.0, size / 100.0);
    QRadialGradient disc(QPointF(50, 45), 70);
    disc.setColorAt(0, QColor(45, 90, 175));
    disc.setColorAt(1, QColor(10, 28, 75));
    p.setPen(QPen(QColor(200, 220, 255), size < 32 ? 0 : 2));
    p.setBrush(disc);
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);
    p.setPen(QPen(QColor(120, 170, 240), size < 32 ? 7 : 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 34, 34);
}

} // namespace

const std::vector<int>& AppIcon::sizes() {
    static const std::vector<int> all{16, 24, 32, 48, 64, 128, 256};
    return all;
}

QImage AppIcon::program(int size) {
    QImage image;
    QPainter p;
    beginTile(size, p, image);
    const QPointF c(50, 50);
    const QColor tracks[] = {QColor(255, 80, 200), QColor(255, 210, 60), QColor(80, 230, 130),
                             QColor(90, 200, 255), QColor(255, 120, 80)};
    const int shown = size < 32 ? 3 : 5;
    for (int i = 0; i < shown; ++i) {
        const double angle = -2.4 + i * (4.0 / (shown - 1)) * 0.9;
        QPainterPath path(c);
        const QPointF end = c + QPointF(42 * std::cos(angle), 42 * std::sin(angle));
        path.quadTo(c + QPointF(22 * std::cos(angle - 0.35), 22 * std::sin(angle - 0.35)), end);
        p.setPen(QPen(tracks[i], size < 32 ? 7 : 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 6, 6);
    p.end();
    return image;
}

QImage AppIcon::classResults(int size) {
    QImage image;
    QPainter p;
    beginTile(size, p, image);
    // A peak over a flat background, as the class's mass histogram shows.
    const double heights[] = {8, 10, 14, 26, 40, 26, 14, 10, 8};
    const double width = 44.0 / 9;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    for (int i = 0; i < 9; ++i)
        p.drawRect(
            QRectF(28 + i * width, 70 - heights[i], width - (size < 32 ? 0 : 0.8), heights[i]));
    p.setPen(QPen(QColor(255, 90, 90), size < 32 ? 5 : 3));
    p.drawLine(QPointF(26, 71), QPointF(74, 71));
    p.end();
    return image;
}

QString AppIcon::themePath(int size, const QString& name) {
    return QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name);
}

} // namespace vexelgen
