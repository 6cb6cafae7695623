#pragma once

#include <QString>
#include <qcustomplot.h>

namespace vexel {

// An axis whose title is LaTeX-style text drawn as rich text (superscripts, subscripts,
// Greek letters), placed where QCustomPlot would put a plain title.
class CanvasAxis : public QCPAxis {
public:
    CanvasAxis(QCPAxisRect* rect, AxisType type);

    void setTitle(const QString& latex);
    const QString& title() const { return title_; }

protected:
    int calculateMargin() override;
    void draw(QCPPainter* painter) override;

private:
    // The title laid out in the label font; its height may exceed the plain text's.
    void layOut(QTextDocument& doc) const;

    QString title_;
};

} // namespace vexel
