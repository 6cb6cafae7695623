#include "CanvasAxis.h"

#include "LatexText.h"

#include <QFontMetrics>
#include <QTextDocument>
#include <cmath>

namespace vexel {

CanvasAxis::CanvasAxis(QCPAxisRect* rect, AxisType type) : QCPAxis(rect, type) {}

void CanvasAxis::setTitle(const QString& latex) {
    title_ = latex;
    // The plain text sizes the margin; the rich text is what is drawn.
    setLabel(LatexText::toPlainText(latex));
}

void CanvasAxis::layOut(QTextDocument& doc) const {
    doc.setDocumentMargin(0);
    doc.setDefaultFont(getLabelFont());
    doc.setHtml(QString("<span style=\"color:%1\">%2</span>")
                    .arg(getLabelColor().name(), LatexText::toRichText(title_)));
}

int CanvasAxis::calculateMargin() {
    const int margin = QCPAxis::calculateMargin();
    if (title_.isEmpty() || margin == 0)
        return margin;
    QTextDocument doc;
    layOut(doc);
    const int extra =
        static_cast<int>(std::ceil(doc.size().height())) - QFontMetrics(getLabelFont()).height();
    return margin + std::max(0, extra);
}

void CanvasAxis::draw(QCPPainter* painter) {
    // Axis, ticks and tick labels as usual, the title apart.
    const QString plain = mLabel;
    mLabel.clear();
    QCPAxis::draw(painter);
    mLabel = plain;
    if (title_.isEmpty())
        return;
    QTextDocument doc;
    layOut(doc);
    const QSizeF size(doc.idealWidth(), doc.size().height());
    const QRect labels = mAxisPainter->tickLabelsSelectionBox();
    const QRect frame = mAxisRect->rect();
    painter->save();
    switch (axisType()) {
    case atBottom:
        painter->translate(frame.center().x() - size.width() / 2, labels.bottom() + labelPadding());
        break;
    case atLeft:
        painter->translate(labels.left() - labelPadding() - size.height(),
                           frame.center().y() + size.width() / 2);
        painter->rotate(-90);
        break;
    case atTop:
        painter->translate(frame.center().x() - size.width() / 2,
                           labels.top() - labelPadding() - size.height());
        break;
    case atRight:
        painter->translate(labels.right() + labelPadding() + size.height(),
                           frame.center().y() - size.width() / 2);
        painter->rotate(90);
        break;
    }
    doc.drawContents(painter);
    painter->restore();
}

} // namespace vexel
