#pragma once

#include <QColor>
#include <QMetaType>
#include <array>
#include <vector>

namespace vexel {

// A polyline of the event scene: what a picked track hands back.
class TrackLine {
public:
    using Point = std::array<float, 3>;

    TrackLine(std::vector<Point> points, QColor colour, float width)
        : points_(std::move(points)), colour_(colour), width_(width) {}

    const std::vector<Point>& points() const { return points_; }
    bool isEmpty() const { return points_.empty(); }
    // First and last points; (0, 0, 0) for a line without points.
    Point lineStart() const { return points_.empty() ? Point{0, 0, 0} : points_.front(); }
    Point lineEnd() const { return points_.empty() ? Point{0, 0, 0} : points_.back(); }
    QColor colour() const { return colour_; }
    float width() const { return width_; }

private:
    std::vector<Point> points_;
    QColor colour_;
    float width_;
};

} // namespace vexel

Q_DECLARE_METATYPE(const vexel::TrackLine*)
