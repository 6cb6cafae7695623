#pragma once

#include <QWidget>

namespace vexel {

// The bar of a RangeSlider: a groove with two handles on positions 0 ... 1.
class RangeBar : public QWidget {
    Q_OBJECT
public:
    explicit RangeBar(QWidget* parent = nullptr);
    void setPositions(double low, double high);
    double low() const { return low_; }
    double high() const { return high_; }
    QSize sizeHint() const override { return QSize(190, 20); }

signals:
    void moved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    double positionAt(int x) const;
    int pixelOf(double position) const;

    double low_ = 0.0, high_ = 1.0;
    int dragging_ = 0; // 0 none, 1 low, 2 high
};

} // namespace vexel
