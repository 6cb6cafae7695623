#pragma once

#include "CanvasPad.h"

#include <QPointer>
#include <qcustomplot.h>

namespace vexel {

// The statistics box of a histogram as the framework's default style draws it: the
// histogram's name, then Entries, Mean and RMS, in a framed box whose top right corner is at
// (x2, y2) in normalised pad coordinates; width and height as fractions of the pad.
class PadStatisticsBox : public QCPAbstractItem {
public:
    PadStatisticsBox(QCustomPlot* plot, QCPAxisRect* pad, const HistogramStatistics& stats);

    double selectTest(const QPointF&, bool, QVariant*) const override { return -1; }

protected:
    void draw(QCPPainter* painter) override;

private:
    QPointer<QCPAxisRect> pad_;
    HistogramStatistics stats_;
};

} // namespace vexel
