#include "HelpPage.h"

#include "IconPainter.h"

#include <QtGlobal>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace vexelgen {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The page's texts in a language; "HelpPage" is their context in the catalogues.
HelpPage::Texts pageTexts(const vexel::Language& l) {
    auto control = [&l](const char* icons, const char* name, const char* text) {
        return HelpPage::Control{icons, l.translated("HelpPage", name),
                                 l.translated("HelpPage", text)};
    };
    HelpPage::Texts t;
    t.title = l.translated("HelpPage", "Event display – help");
    t.controlsHeading = l.translated("HelpPage", "The controls");
    t.stepsHeading = l.translated("HelpPage", "The exercise, step by step");
    t.formulaCaption = l.translated("HelpPage", "Invariant mass of two particles (c = 1):");
    // Each control's name and what it does; the names of buttons and groups are the
    // event display's own texts in the language.
    t.controls = {
        control("GoBack,GoForward", QT_TRANSLATE_NOOP("HelpPage", "Arrows"),
                QT_TRANSLATE_NOOP("HelpPage", "Go to the previous or the next event. \"Event "
                                              "number:\" shows which one you see.")),
        control("Zoom", QT_TRANSLATE_NOOP("HelpPage", "Close-up"),
                QT_TRANSLATE_NOOP("HelpPage", "Zoom in on the point where the D⁰ decays. The "
                                              "first time, a hint explains how to rotate.")),
        control("fullscreen", QT_TRANSLATE_NOOP("HelpPage", "Default view"),
                QT_TRANSLATE_NOOP("HelpPage", "Back to the view of the whole detector.")),
        control("hint", QT_TRANSLATE_NOOP("HelpPage", "Hint"),
                QT_TRANSLATE_NOOP("HelpPage", "Draws the D⁰ and its two decay products as bold "
                                              "lines; the legend explains them.")),
        control("", QT_TRANSLATE_NOOP("HelpPage", "Hide Geometry / Transparency"),
                QT_TRANSLATE_NOOP("HelpPage", "Hide or show the detector, or make it "
                                              "see-through so that the tracks stand out.")),
        control("a,b,c", QT_TRANSLATE_NOOP("HelpPage", "Projections"),
                QT_TRANSLATE_NOOP("HelpPage", "Look at the event in the planes YZ (side view), "
                                              "YX (along the beam) and ZX (from above).")),
        control("", QT_TRANSLATE_NOOP("HelpPage", "Particle Info"),
                QT_TRANSLATE_NOOP("HelpPage",
                                  "Click a track to read its name, mass, energy E, charge q, "
                                  "track-fit chi2 and momentum px, py, pz. \"Save Particle\" "
                                  "keeps it in \"My Particles\".")),
        control("", QT_TRANSLATE_NOOP("HelpPage", "My Particles"),
                QT_TRANSLATE_NOOP("HelpPage", "Your two particles. \"Calculate\" gives their "
                                              "invariant mass, \"Delete\" removes them.")),
        control("", QT_TRANSLATE_NOOP("HelpPage", "Histogram"),
                QT_TRANSLATE_NOOP("HelpPage",
                                  "\"Add\" puts the mass into your histogram (one per event, "
                                  "near the D⁰ mass), \"Draw\" shows it, \"Save Histogram\" "
                                  "writes it to a file.")),
        control("", QT_TRANSLATE_NOOP("HelpPage", "Move on to D0 Exercise"),
                QT_TRANSLATE_NOOP("HelpPage", "Closes the event display and makes the second "
                                              "exercise available in the launcher."))};
    t.mouseHeading = l.translated("HelpPage", "Mouse");
    t.mouseText = l.translated("HelpPage", "Drag with the left button to rotate the view, turn "
                                           "the wheel to zoom, click a track to pick it.");
    t.steps = {
        l.translated("HelpPage", "Press the hint: the bold lines are the D⁰ (black) and its "
                                 "decay products, a kaon and a pion."),
        l.translated("HelpPage", "Click the kaon (K+ blue, K− green) and press \"Save "
                                 "Particle\"."),
        l.translated("HelpPage", "Click the pion of opposite charge (π+ magenta, π− red) and "
                                 "press \"Save Particle\"."),
        l.translated("HelpPage", "Press \"Calculate\": the invariant mass of the pair appears "
                                 "under \"My Particles\"."),
        l.translated("HelpPage", "Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press "
                                 "\"Add\". If not, press \"Delete\" and try two other tracks."),
        l.translated("HelpPage", "Go to the next event with the right arrow and do the same for "
                                 "every event."),
        l.translated("HelpPage", "At the end press \"Draw\" to see your mass peak, \"Save "
                                 "Histogram\", then \"Move on to D0 Exercise\".")};
    return t;
}

QFont font(int pixelSize, bool bold) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage buttonPicture(const QString& name, qreal scale) {
    if (name == "GoBack")
        return IconPainter::arrow(false, scale);
    if (name == "GoForward")
        return IconPainter::arrow(true, scale);
    if (name == "Zoom")
        return IconPainter::zoom(scale);
    if (name == "fullscreen")
        return IconPainter::defaultView(scale);
    if (name == "hint")
        return IconPainter::hint(scale);
    if (name == "a")
        return IconPainter::projection('Y', 'Z', scale);
    if (name == "b")
        return IconPainter::projection('Y', 'X', scale);
    return IconPainter::projection('Z', 'X', scale);
}

// Draws wrapped text and returns its height.
double drawWrapped(QPainter& p, const QRectF& area, const QString& text) {
    const QRectF bounds =
        p.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    p.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return bounds.height();
}

} // namespace

HelpPage::Texts HelpPage::texts(const vexel::Language& language) {
    return pageTexts(language);
}

QImage HelpPage::render(const vexel::Language& language, qreal scale) {
    const Texts t = texts(language);
    QImage image(kSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(250, 251, 253));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);

    const QColor ink(30, 38, 52), accent(20, 90, 180), soft(228, 236, 248);
    // Title band.
    QLinearGradient band(0, 0, kSize.width(), 0);
    band.setColorAt(0, QColor(20, 60, 130));
    band.setColorAt(1, QColor(40, 110, 190));
    p.fillRect(QRectF(0, 0, kSize.width(), 64), band);
    p.setPen(Qt::white);
    p.setFont(font(32, true));
    p.drawText(QRectF(28, 0, kSize.width() - 56, 64), Qt::AlignVCenter | Qt::AlignLeft, t.title);

    // Left column: the controls, in the largest type that fits.
    const double leftX = 28, leftW = 840, top = 84;
    p.setPen(accent);
    p.setFont(font(25, true));
    p.drawText(QRectF(leftX, top, leftW, 34), Qt::AlignLeft | Qt::AlignVCenter, t.controlsHeading);
    const double iconW = 122;
    auto drawControls = [&](int bodySize, bool draw) {
        double y = top + 44;
        for (const Control& c : t.controls) {
            double iconBottom = y;
            if (!c.icons.isEmpty()) {
                const QStringList names = c.icons.split(',');
                const double slot = iconW / names.size();
                double x = leftX;
                for (const QString& name : names) {
                    const QImage icon = buttonPicture(name, scale);
                    const QSizeF size = QSizeF(icon.size()) / icon.devicePixelRatio();
                    const double fit = std::min((slot - 4) / size.width(), 30.0 / size.height());
                    const QRectF target(x, y + 2, size.width() * fit, size.height() * fit);
                    if (draw) {
                        p.setPen(QPen(QColor(170, 180, 195), 1));
                        p.setBrush(QColor(236, 238, 242));
                        p.drawRoundedRect(target.adjusted(-1, -1, 1, 1), 3, 3);
                        p.drawImage(target, icon);
                    }
                    x += slot;
                }
                iconBottom = y + 34;
            }
            const QRectF nameArea(leftX + iconW + 8, y, leftW - iconW - 8, 200);
            p.setPen(ink);
            p.setFont(font(bodySize + 1, true));
            const double nameH = draw ? drawWrapped(p, nameArea, c.name)
                                      : p.boundingRect(nameArea, Qt::TextWordWrap, c.name).height();
            const QRectF textArea(leftX + iconW + 8, y + nameH, leftW - iconW - 8, 300);
            p.setFont(font(bodySize, false));
            p.setPen(QColor(55, 62, 75));
            const double textH = draw ? drawWrapped(p, textArea, c.text)
                                      : p.boundingRect(textArea, Qt::TextWordWrap, c.text).height();
            y = std::max(y + nameH + textH, iconBottom) + 8;
        }
        return y;
    };
    int bodySize = 18;
    while (bodySize > 13 && drawControls(bodySize, false) > kSize.height() - 6)
        --bodySize;
    drawControls(bodySize, true);

    // Right column: the steps and the formula.
    const double rightX = 906, rightW = kSize.width() - rightX - 28;
    p.setPen(QPen(QColor(200, 208, 220), 2));
    p.drawLine(QPointF(rightX - 22, top), QPointF(rightX - 22, kSize.height() - 20));
    p.setPen(accent);
    p.setFont(font(25, true));
    p.drawText(QRectF(rightX, top, rightW, 34), Qt::AlignLeft | Qt::AlignVCenter, t.stepsHeading);
    double y = top + 46;
    int number = 1;
    for (const QString& step : t.steps) {
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(rightX + 15, y + 13), 15, 15);
        p.setPen(Qt::white);
        p.setFont(font(18, true));
        p.drawText(QRectF(rightX, y - 2, 30, 30), Qt::AlignCenter, QString::number(number++));
        p.setPen(ink);
        p.setFont(font(18, false));
        const double h = drawWrapped(p, QRectF(rightX + 42, y, rightW - 42, 300), step);
        y += std::max(h, 30.0) + 11;
    }
    // The formula the mass is computed with, and the mouse.
    const QRectF box(rightX, y + 2, rightW, 100);
    p.setPen(QPen(QColor(180, 195, 220), 1.5));
    p.setBrush(soft);
    p.drawRoundedRect(box, 10, 10);
    p.setPen(ink);
    p.setFont(font(18, true));
    p.drawText(box.adjusted(18, 10, -18, 0), Qt::AlignLeft | Qt::AlignTop, t.formulaCaption);
    p.setFont(font(26, false));
    p.drawText(box.adjusted(18, 36, -18, -6), Qt::AlignCenter, u("M² = (E₁ + E₂)² − (p⃗₁ + p⃗₂)²"));

    const QRectF mouseBox(rightX, box.bottom() + 16, rightW, kSize.height() - box.bottom() - 36);
    p.setPen(QPen(QColor(180, 195, 220), 1.5));
    p.setBrush(QColor(255, 248, 225));
    p.drawRoundedRect(mouseBox, 10, 10);
    p.setPen(ink);
    p.setFont(font(18, true));
    p.drawText(mouseBox.adjusted(18, 10, -18, 0), Qt::AlignLeft | Qt::AlignTop, t.mouseHeading);
    p.setFont(font(18, false));
    drawWrapped(p, mouseBox.adjusted(18, 38, -18, -8), t.mouseText);
    return image;
}

} // namespace vexelgen
