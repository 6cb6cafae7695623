#include "PadStatisticsBox.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace vexel {

PadStatisticsBox::PadStatisticsBox(QCustomPlot* plot, QCPAxisRect* pad,
                                   const HistogramStatistics& stats)
    : QCPAbstractItem(plot), pad_(pad), stats_(stats) {
    setClipToAxisRect(false);
}

void PadStatisticsBox::draw(QCPPainter* painter) {
    using namespace padstyle;
    if (!pad_)
        return;
    const QRect outer = pad_->outerRect();
    const double width = kStatW * outer.width(), height = kStatH * outer.height();
    const QRectF box(outer.left() + kStatX * outer.width() - width,
                     outer.top() + (1.0 - kStatY) * outer.height(), width, height);
    const auto rows = stats_.rows();
    const double rowHeight = box.height() / double(rows.size() + 1);
    // The text fills the rows, made smaller when the widest row would not fit.
    QFont font(kFontFamily);
    int pixels = std::max(6, static_cast<int>(std::lround(0.7 * rowHeight)));
    const double padding = 0.05 * box.width();
    for (; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = metrics.horizontalAdvance(stats_.name);
        for (const auto& [label, value] : rows)
            widest = std::max(widest, metrics.horizontalAdvance(label + "  " + value));
        if (widest + 2 * padding <= box.width())
            break;
    }
    font.setPixelSize(pixels);

    painter->save();
    // The framework's border of size 2: a frame with a shadow below and to the right.
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::black);
    painter->drawRect(box.translated(2, 2));
    painter->setBrush(Qt::white);
    painter->setPen(QPen(Qt::black, 1));
    painter->drawRect(box);
    painter->setFont(font);
    QRectF row(box.left() + padding, box.top(), box.width() - 2 * padding, rowHeight);
    painter->drawText(row, Qt::AlignCenter, stats_.name);
    painter->drawLine(QPointF(box.left(), box.top() + rowHeight),
                      QPointF(box.right(), box.top() + rowHeight));
    for (const auto& [label, value] : rows) {
        row.translate(0, rowHeight);
        painter->drawText(row, Qt::AlignLeft | Qt::AlignVCenter, label);
        painter->drawText(row, Qt::AlignRight | Qt::AlignVCenter, value);
    }
    painter->restore();
}

} // namespace vexel
