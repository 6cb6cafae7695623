#pragma once

#include "DrawStyle.h"
#include "rootio/Graph.h"
#include "rootio/Histogram1D.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace vexel {

// The plot style of the exercises: pad margins as fractions of the pad (left, right, bottom,
// top), text sizes as fractions of the pad height.
namespace padstyle {
constexpr double kLeftMargin = 0.12;
constexpr double kRightMargin = 0.05;
constexpr double kBottomMargin = 0.15;
constexpr double kTopMargin = 0.06;
constexpr double kLabelSize = 0.0425;
constexpr double kTitleSize = 0.0425;
constexpr const char* kFontFamily = "Helvetica";
// Distance of the tick labels from their axis, as a fraction of the pad height (the style
// sets x; y keeps the framework's default).
constexpr double kXLabelOffset = 0.015;
constexpr double kYLabelOffset = 0.005;
// Title offsets: 1 is the standard distance of a title from its axis, about 1.6 title heights.
constexpr double kXTitleOffset = 1.2;
constexpr double kYTitleOffset = 1.5;
constexpr double kStandardTitleDistance = 1.6;
// Room around each pad of a divided canvas, as a fraction of the canvas width and height.
constexpr double kDivideMargin = 0.01;
// The statistics box: its top right corner (x, y), width and height in the pad.
constexpr double kStatX = 0.98;
constexpr double kStatY = 0.995;
constexpr double kStatW = 0.20;
constexpr double kStatH = 0.16;

// Normalised pad coordinates (0 ... 1 over the whole pad) to fractions of the frame inside
// the margins, counted from its left and from its bottom edge.
inline double frameX(double x) {
    return (x - kLeftMargin) / (1.0 - kLeftMargin - kRightMargin);
}
inline double frameY(double y) {
    return (y - kBottomMargin) / (1.0 - kBottomMargin - kTopMargin);
}
} // namespace padstyle

// Something drawn on a pad.
struct PadItem {
    enum class Kind { Histogram, Curve, Graph };
    Kind kind = Kind::Histogram;
    rootio::Histogram1D histogram; // Histogram
    rootio::Graph curve;           // Curve and Graph
    std::vector<double> yErrors;   // Graph
    DrawStyle style;
};

// The points an item is drawn with: x, y and y errors (errors of markers only).
struct PadPoints {
    std::vector<double> x, y, yErrors;
};

struct AxisRange {
    double min = 0, max = 1;
};

// What the statistics box of a histogram shows: the number of fills, and the mean and RMS of
// bins 1 ... N taken at their centres, as the sums stored with a histogram.
struct HistogramStatistics {
    QString name;
    double entries = 0, mean = 0, rms = 0;
    // Label and value of each row under the name.
    std::vector<std::pair<QString, QString>> rows() const;
};
HistogramStatistics statisticsOf(const rootio::Histogram1D& h);

// What one pad of a canvas shows, and the arithmetic of its axes: which points are drawn and
// over which ranges. No widget: the canvas draws what this says.
class CanvasPad {
public:
    const std::vector<PadItem>& items() const { return items_; }
    bool empty() const { return items_.empty(); }

    // Forgets everything drawn, the fixed ranges and the axis titles; the log scale stays.
    void clear();

    // The first histogram of a pad fixes its x range and axis titles.
    void addHistogram(const rootio::Histogram1D& h, const DrawStyle& style);
    // A curve (a function sampled at points) drawn over the content; no ranges of its own.
    void addCurve(const rootio::Graph& curve, const DrawStyle& style);
    // Points with y errors, shown as markers; they count for both ranges.
    void addGraph(const rootio::Graph& points, const std::vector<double>& yErrors,
                  const DrawStyle& style);

    bool logY() const { return logY_; }
    void setLogY(bool log) { logY_ = log; }
    void setXRange(double min, double max) { xRange_ = AxisRange{min, max}; }
    void setYRange(double min, double max) { yRange_ = AxisRange{min, max}; }
    void setAxisTitles(const QString& x, const QString& y);
    const QString& xTitle() const { return xTitle_; }
    const QString& yTitle() const { return yTitle_; }

    // LaTeX-style texts and legends drawn on the pad.
    void addText(const QString& latex) { texts_.append(latex); }
    const QStringList& texts() const { return texts_; }
    void addLegend() { ++legends_; }
    int legendCount() const { return legends_; }
    // The statistics box of the first histogram drawn with one.
    const std::optional<HistogramStatistics>& statistics() const { return statistics_; }

    // The points item i is drawn with. Histograms as steps give the left bin edges and, last,
    // the right edge again; as markers the bin centres, without empty bins. On a log scale
    // nothing at or below zero is drawn (a step there is a gap).
    PadPoints points(std::size_t i) const;
    // The axis ranges: a fixed range where one is set; else x over what is drawn with 5 %
    // to spare, y from zero (or below) to 5 % above the highest point, or on a log scale from
    // half the lowest positive value to twice the highest. Empty when nothing says a range.
    std::optional<AxisRange> xRange() const;
    std::optional<AxisRange> yRange() const;

private:
    std::vector<PadItem> items_;
    QStringList texts_;
    int legends_ = 0;
    std::optional<HistogramStatistics> statistics_;
    bool logY_ = false;
    std::optional<AxisRange> xRange_, yRange_;
    QString xTitle_, yTitle_;
};

} // namespace vexel
