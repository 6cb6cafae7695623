#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <qcustomplot.h>

namespace vexel {

// Rich text placed at normalised coordinates of a pad (the axis rect's outer rectangle), its
// lower left corner at (x, y); size as a fraction of the pad height.
class CanvasTextItem : public QCPAbstractItem {
public:
    CanvasTextItem(QCustomPlot* plot, QCPAxisRect* pad, double x, double y, QString richText,
                   double size, QColor color);

    double selectTest(const QPointF&, bool, QVariant*) const override { return -1; }

protected:
    void draw(QCPPainter* painter) override;

private:
    QPointer<QCPAxisRect> pad_;
    double x_, y_;
    QString html_;
    double size_;
    QColor color_;
};

} // namespace vexel
