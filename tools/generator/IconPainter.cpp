#include "IconPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vexelgen {

namespace {

const QColor kPiPlus(255, 0, 255), kPiMinus(255, 0, 0), kKMinus(0, 153, 0), kKPlus(0, 0, 255);
const QColor kInk(40, 48, 64);
const QColor kAccent(30, 110, 200);

// size in logical pixels; a painter on the picture draws in them whatever the scale.
QImage blank(QSize size, qreal scale, QColor fill = Qt::transparent) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QFont font(int pixelSize, bool bold = false) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

} // namespace

QImage IconPainter::launcherEventDisplay(qreal scale) {
    QImage image = blank(kLauncherSize, scale);
    QPainter p(&image);
    begin(p);
    const QRectF r(1, 1, kLauncherSize.width() - 2, kLauncherSize.height() - 2);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(20, 34, 70));
    sky.setColorAt(1, QColor(8, 14, 34));
    p.setPen(QPen(QColor(90, 120, 170), 1));
    p.setBrush(sky);
    p.drawRoundedRect(r, 8, 8);
    QPainterPath frame;
    frame.addRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
    p.setClipPath(frame);

    // Side view of the spectrometer: vertex detector, magnet, stations, calorimeters, muons.
    const double y0 = 41;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(10, y0 - 6, 6, 12));
    p.setBrush(QColor(120, 130, 150));
    p.drawRect(QRectF(36, y0 - 30, 18, 7));
    p.drawRect(QRectF(36, y0 + 23, 18, 7));
    p.setBrush(QColor(205, 120, 50));
    p.drawRect(QRectF(38, y0 - 23, 14, 4));
    p.drawRect(QRectF(38, y0 + 19, 14, 4));
    p.setBrush(QColor(230, 210, 90));
    for (double x : {58.0, 63.0, 68.0})
        p.drawRect(QRectF(x, y0 - 22, 2, 44));
    p.setBrush(QColor(90, 170, 230));
    p.drawRect(QRectF(78, y0 - 28, 6, 56));
    p.setBrush(QColor(70, 190, 120));
    p.drawRect(QRectF(86, y0 - 30, 8, 60));
    p.setBrush(QColor(170, 170, 190));
    for (double x : {97.0, 102.0, 107.0})
        p.drawRect(QRectF(x, y0 - 32, 2.5, 64));

    // Tracks fanning out from the collision point, bent by the magnet.
    const QColor colours[] = {kPiPlus,
                              kPiMinus,
                              kKPlus,
                              QColor(60, 220, 90),
                              QColor(255, 200, 0),
                              QColor(0, 220, 230),
                              kPiPlus,
                              QColor(255, 140, 60)};
    const double slopes[] = {-0.55, -0.3, -0.12, 0.05, 0.2, 0.38, 0.6, -0.8};
    for (int i = 0; i < 8; ++i) {
        QPainterPath path(QPointF(13, y0));
        const double bend = (i % 2 ? 1 : -1) * (0.08 + 0.02 * i);
        const QPointF magnetIn(36, y0 + slopes[i] * 23);
        const QPointF magnetOut(54, magnetIn.y() + (slopes[i] + bend / 2) * 18);
        const double outSlope = slopes[i] + bend;
        const double xEnd = std::fabs(outSlope) > 0.7 ? 70 : 92;
        path.lineTo(magnetIn);
        path.quadTo(QPointF(45, magnetIn.y() + slopes[i] * 9), magnetOut);
        path.lineTo(QPointF(xEnd, magnetOut.y() + outSlope * (xEnd - 54)));
        p.setPen(QPen(colours[i], 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    QRadialGradient glow(QPointF(13, y0), 6);
    glow.setColorAt(0, QColor(255, 255, 220));
    glow.setColorAt(1, QColor(255, 255, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(13, y0), 6, 6);
    return image;
}

QImage IconPainter::launcherLifetime(qreal scale) {
    QImage image = blank(kLauncherSize, scale);
    QPainter p(&image);
    begin(p);
    const QRectF r(1, 1, kLauncherSize.width() - 2, kLauncherSize.height() - 2);
    p.setPen(QPen(QColor(150, 160, 180), 1));
    p.setBrush(QColor(252, 252, 255));
    p.drawRoundedRect(r, 8, 8);

    // A mass histogram: Gaussian peak over a falling background, with the fit curves.
    const QRectF plot(14, 10, 92, 58);
    auto model = [](double x) { // x in 0..1 across the mass range
        return 0.18 - 0.06 * x + 0.78 * std::exp(-0.5 * std::pow((x - 0.5) / 0.075, 2));
    };
    const int bins = 23;
    p.setPen(QPen(QColor(60, 60, 70), 0.8));
    p.setBrush(QColor(190, 210, 240));
    for (int i = 0; i < bins; ++i) {
        const double x = (i + 0.5) / bins;
        const double noise = 0.03 * std::sin(i * 2.7);
        const double h = (model(x) + noise) * plot.height();
        p.drawRect(QRectF(plot.left() + i * plot.width() / bins, plot.bottom() - h,
                          plot.width() / bins, h));
    }
    QPainterPath curve, line;
    for (int i = 0; i <= 100; ++i) {
        const double x = i / 100.0;
        const QPointF pt(plot.left() + x * plot.width(), plot.bottom() - model(x) * plot.height());
        const QPointF pl(plot.left() + x * plot.width(),
                         plot.bottom() - (0.18 - 0.06 * x) * plot.height());
        if (i == 0) {
            curve.moveTo(pt);
            line.moveTo(pl);
        } else {
            curve.lineTo(pt);
            line.lineTo(pl);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 204), 2));
    p.drawPath(curve);
    p.setPen(QPen(QColor(204, 0, 0), 2));
    p.drawPath(line);
    // Axes.
    p.setPen(QPen(kInk, 1.4));
    p.drawLine(QPointF(plot.left(), plot.top() - 4), QPointF(plot.left(), plot.bottom()));
    p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right() + 4, plot.bottom()));
    p.setFont(font(9, true));
    p.drawText(QRectF(plot.left(), plot.bottom() + 1, plot.width(), 12), Qt::AlignCenter,
               QString::fromUtf8("m(Kπ)"));
    p.setFont(font(10, true));
    p.setPen(QColor(0, 0, 150));
    p.drawText(QRectF(plot.left() + 4, plot.top() - 2, 30, 14), Qt::AlignLeft | Qt::AlignTop,
               QString::fromUtf8("D⁰"));
    return image;
}

QImage IconPainter::arrow(bool forward, qreal scale) {
    QImage image = blank(kWideButtonSize, scale);
    QPainter p(&image);
    begin(p);
    const double w = kWideButtonSize.width(), h = kWideButtonSize.height();
    QPainterPath path;
    // Pointing right; mirrored for "back".
    path.moveTo(18, h / 2 - 6);
    path.lineTo(w - 40, h / 2 - 6);
    path.lineTo(w - 40, 3);
    path.lineTo(w - 16, h / 2);
    path.lineTo(w - 40, h - 3);
    path.lineTo(w - 40, h / 2 + 6);
    path.lineTo(18, h / 2 + 6);
    path.closeSubpath();
    if (!forward) {
        QTransform mirror;
        mirror.translate(w, 0);
        mirror.scale(-1, 1);
        path = mirror.map(path);
    }
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(90, 170, 250));
    g.setColorAt(1, QColor(20, 90, 180));
    p.setPen(QPen(QColor(10, 50, 110), 1.2));
    p.setBrush(g);
    p.drawPath(path);
    return image;
}

QImage IconPainter::zoom(qreal scale) {
    QImage image = blank(kWideButtonSize, scale);
    QPainter p(&image);
    begin(p);
    const QPointF c(40, 14);
    // Handle.
    p.setPen(QPen(QColor(90, 60, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(8, 8), c + QPointF(16, 16));
    // Lens.
    QRadialGradient lens(c, 11);
    lens.setColorAt(0, QColor(230, 245, 255));
    lens.setColorAt(1, QColor(170, 210, 240));
    p.setBrush(lens);
    p.setPen(QPen(kInk, 2.2));
    p.drawEllipse(c, 11, 11);
    // A decay vertex seen through the lens.
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(c + QPointF(-7, 2), c + QPointF(-1, 0));
    p.setPen(QPen(kKMinus, 1.6));
    p.drawLine(c + QPointF(-1, 0), c + QPointF(7, -6));
    p.setPen(QPen(kPiPlus, 1.6));
    p.drawLine(c + QPointF(-1, 0), c + QPointF(7, 5));
    return image;
}

QImage IconPainter::defaultView(qreal scale) {
    QImage image = blank(kWideButtonSize, scale);
    QPainter p(&image);
    begin(p);
    const double w = kWideButtonSize.width(), h = kWideButtonSize.height();
    // A small detector seen at an angle, with the four corners of a full view around it.
    const QPointF c(w / 2, h / 2);
    QPolygonF front, back;
    front << c + QPointF(-13, -6) << c + QPointF(5, -6) << c + QPointF(5, 8) << c + QPointF(-13, 8);
    for (const QPointF& q : front)
        back << q + QPointF(8, -5);
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(QColor(160, 200, 240));
    p.drawPolygon(back);
    p.setBrush(QColor(90, 150, 220));
    p.drawPolygon(front);
    for (int i = 0; i < 4; ++i)
        p.drawLine(front[i], back[i]);
    p.setPen(QPen(QColor(20, 90, 180), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double dx = 30, dy = 14, a = 7;
    for (int sx : {-1, 1})
        for (int sy : {-1, 1}) {
            const QPointF corner = c + QPointF(sx * dx, sy * dy);
            p.drawLine(corner, corner - QPointF(sx * a, 0));
            p.drawLine(corner, corner - QPointF(0, sy * a));
        }
    return image;
}

QImage IconPainter::hint(qreal scale) {
    QImage image = blank(kHintSize, scale);
    QPainter p(&image);
    begin(p);
    const QPointF c(21, 13);
    QRadialGradient bulb(c + QPointF(-3, -3), 12);
    bulb.setColorAt(0, QColor(255, 255, 210));
    bulb.setColorAt(1, QColor(255, 205, 40));
    p.setBrush(bulb);
    p.setPen(QPen(QColor(150, 110, 0), 1.3));
    QPainterPath path;
    path.addEllipse(c, 10, 10);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(16, 23, 10, 4), 1, 1);
    p.drawRoundedRect(QRectF(17, 28, 8, 3), 1, 1);
    p.setPen(QPen(QColor(170, 120, 0), 1.2));
    p.drawLine(QPointF(18, 21), QPointF(20, 14));
    p.drawLine(QPointF(24, 21), QPointF(22, 14));
    p.setPen(QPen(QColor(255, 190, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (double angle : {-150.0, -110.0, -70.0, -30.0, 210.0}) {
        const double rad = angle * M_PI / 180;
        p.drawLine(c + QPointF(13 * std::cos(rad), 13 * std::sin(rad)),
                   c + QPointF(17 * std::cos(rad), 17 * std::sin(rad)));
    }
    return image;
}

QImage IconPainter::projection(char vertical, char horizontal, qreal scale) {
    QImage image = blank(kProjectionSize, scale);
    QPainter p(&image);
    begin(p);
    const QPointF origin(8, 28);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kInk);
    p.drawLine(origin, origin + QPointF(0, -22));
    p.drawLine(origin, origin + QPointF(22, 0));
    p.drawPolygon(QPolygonF() << origin + QPointF(0, -25) << origin + QPointF(-3, -19)
                              << origin + QPointF(3, -19));
    p.drawPolygon(QPolygonF() << origin + QPointF(25, 0) << origin + QPointF(19, -3)
                              << origin + QPointF(19, 3));
    p.setFont(font(9, true));
    p.drawText(QRectF(origin.x() + 3, 0, 12, 11), Qt::AlignLeft | Qt::AlignTop,
               QString(QChar(vertical)));
    p.drawText(QRectF(origin.x() + 14, origin.y() - 13, 12, 11), Qt::AlignLeft | Qt::AlignTop,
               QString(QChar(horizontal)));
    p.setFont(font(14, true));
    p.setPen(QColor(20, 90, 180));
    p.drawText(QRectF(30, 0, 28, 34), Qt::AlignCenter,
               QString(QChar(vertical)) + QString(QChar(horizontal)));
    return image;
}

QImage IconPainter::colourLegend(qreal scale) {
    QImage image = blank(kLegendSize, scale, Qt::white);
    QPainter p(&image);
    begin(p);
    struct Entry {
        const char* label;
        QColor colour;
    };
    const Entry entries[] = {{"pi+  (π⁺)", kPiPlus},
                             {"pi-  (π⁻)", kPiMinus},
                             {"K+", kKPlus},
                             {"K-", kKMinus},
                             {"D0", Qt::black}};
    p.setFont(font(11, true));
    const double rowHeight = 16;
    for (int i = 0; i < 6; ++i) {
        const double y = 3 + i * rowHeight + rowHeight / 2;
        if (i < 5) {
            p.setPen(QPen(entries[i].colour, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, y), QPointF(40, y));
            p.setPen(kInk);
            p.drawText(QRectF(48, y - 8, 92, 16), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf8(entries[i].label));
        } else {
            const QColor mixed[] = {QColor(255, 170, 0), QColor(0, 200, 200), QColor(140, 90, 40),
                                    QColor(130, 130, 255)};
            for (int k = 0; k < 4; ++k) {
                p.setPen(QPen(mixed[k], 3, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(QPointF(8 + k * 8, y), QPointF(16 + k * 8, y));
            }
            p.setPen(kInk);
            p.drawText(QRectF(48, y - 8, 92, 16), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf8("e, mu, p …"));
        }
    }
    return image;
}

QImage IconPainter::hintLegend(qreal scale) {
    QImage image = blank(kLegendSize, scale, Qt::white);
    QPainter p(&image);
    begin(p);
    // The decay drawn as the hint shows it: the D0 from the collision point, then the kaon
    // and the pion in bold.
    const QPointF pv(14, 52), dv(52, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 0));
    p.drawEllipse(pv, 4, 4);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pv, dv);
    p.setPen(QPen(kKMinus, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dv, QPointF(112, 14));
    p.setPen(QPen(kPiPlus, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dv, QPointF(112, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(dv, 3, 3);
    p.setFont(font(12, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(18, 56, 40, 16), Qt::AlignLeft, QString::fromUtf8("D⁰"));
    p.setPen(kKMinus);
    p.drawText(QRectF(112, 6, 28, 18), Qt::AlignLeft, QString::fromUtf8("K"));
    p.setPen(kPiPlus);
    p.drawText(QRectF(113, 76, 28, 18), Qt::AlignLeft, QString::fromUtf8("π"));
    // Thin tracks of the rest of the event, for contrast.
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.drawLine(pv, QPointF(120, 60));
    p.drawLine(pv, QPointF(90, 98));
    p.drawLine(pv, QPointF(70, 4));
    return image;
}

QImage IconPainter::logo(qreal scale) {
    QImage image = blank(kLogoSize, scale);
    QPainter p(&image);
    begin(p);
    // An emblem: a detector ring with tracks, and the name of the experiment beside it.
    const QPointF c(48, 50);
    QRadialGradient disc(c, 42);
    disc.setColorAt(0, QColor(40, 80, 160));
    disc.setColorAt(1, QColor(10, 30, 80));
    p.setPen(QPen(QColor(200, 220, 255), 2));
    p.setBrush(disc);
    p.drawEllipse(c, 42, 42);
    p.setPen(QPen(QColor(120, 170, 240), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 30, 30);
    const QColor tracks[] = {QColor(255, 80, 200), QColor(255, 210, 60), QColor(80, 230, 130),
                             QColor(90, 200, 255), QColor(255, 120, 80)};
    for (int i = 0; i < 5; ++i) {
        const double angle = -1.1 + i * 0.55;
        QPainterPath path(c);
        const QPointF end = c + QPointF(38 * std::cos(angle), 38 * std::sin(angle));
        path.quadTo(c + QPointF(20 * std::cos(angle - 0.3), 20 * std::sin(angle - 0.3)), end);
        p.setPen(QPen(tracks[i], 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 4, 4);

    p.setFont(font(30, true));
    p.setPen(QColor(20, 50, 120));
    p.drawText(QRectF(98, 14, 102, 44), Qt::AlignLeft | Qt::AlignVCenter, "Vexel");
    p.setFont(font(13, false));
    p.setPen(QColor(60, 90, 150));
    p.drawText(QRectF(98, 58, 102, 22), Qt::AlignLeft | Qt::AlignVCenter, "Lumora");
    return image;
}

std::vector<IconPainter::Picture> IconPainter::allPictures(qreal scale) {
    return {{"Icons/l2.png", launcherEventDisplay(scale)},
            {"Icons/l1.png", launcherLifetime(scale)},
            {"Icons/GoBack.png", arrow(false, scale)},
            {"Icons/GoForward.png", arrow(true, scale)},
            {"Icons/Zoom.png", zoom(scale)},
            {"Icons/fullscreen.png", defaultView(scale)},
            {"Icons/hint.png", hint(scale)},
            {"Icons/a.png", projection('Y', 'Z', scale)},
            {"Icons/b.png", projection('Y', 'X', scale)},
            {"Icons/c.png", projection('Z', 'X', scale)},
            {"Icons/leg1.png", colourLegend(scale)},
            {"Icons/leg2.png", hintLegend(scale)},
            {"share/VexelLumora/vexel-logo.png", logo(scale)}};
}

} // namespace vexelgen
