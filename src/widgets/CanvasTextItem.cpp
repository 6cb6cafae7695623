#include "CanvasTextItem.h"

#include "CanvasPad.h"

#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <utility>

namespace vexel {

CanvasTextItem::CanvasTextItem(QCustomPlot* plot, QCPAxisRect* pad, double x, double y,
                               QString richText, double size, QColor color)
    : QCPAbstractItem(plot), pad_(pad), x_(x), y_(y), html_(std::move(richText)), size_(size),
      color_(std::move(color)) {
    setClipToAxisRect(false);
}

void CanvasTextItem::draw(QCPPainter* painter) {
    if (!pad_)
        return;
    // Normalised pad coordinates as in a pad with the style's margins: the frame edges sit at
    // the margins whatever room the axis labels take.
    const QRect outer = pad_->outerRect();
    const QRect inner = pad_->rect();
    QFont font(padstyle::kFontFamily);
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(size_ * outer.height()))));
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    doc.setHtml(QString("<span style=\"color:%1\">%2</span>").arg(color_.name(), html_));
    const double px = inner.left() + padstyle::frameX(x_) * inner.width();
    const double py = inner.bottom() - padstyle::frameY(y_) * inner.height() - doc.size().height();
    painter->save();
    painter->translate(px, py);
    doc.drawContents(painter);
    painter->restore();
}

} // namespace vexel
