#include "CanvasPad.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vexel {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// How far what is drawn reaches.
struct Extent {
    double xmin = kInfinity, xmax = -kInfinity;
    double ymin = kInfinity, ymax = -kInfinity;
    double minPositive = kInfinity;

    void addY(double v, double err) {
        if (!std::isfinite(v))
            return;
        ymin = std::min(ymin, v - err);
        ymax = std::max(ymax, v + err);
        if (v > 0)
            minPositive = std::min(minPositive, v - err > 0 ? v - err : v);
    }
    void addX(double lo, double hi) {
        xmin = std::min(xmin, lo);
        xmax = std::max(xmax, hi);
    }
};

Extent extentOf(const CanvasPad& pad) {
    Extent e;
    for (std::size_t i = 0; i < pad.items().size(); ++i) {
        const PadItem& item = pad.items()[i];
        if (item.kind == PadItem::Kind::Curve)
            continue; // curves follow the range, they do not make it
        const PadPoints points = pad.points(i);
        bool withErrors = true;
        if (item.kind == PadItem::Kind::Histogram) {
            e.addX(item.histogram.xmin, item.histogram.xmax);
            withErrors = item.style.look == DrawStyle::Look::Markers && item.style.errors;
        } else {
            for (double x : points.x)
                e.addX(x, x);
        }
        for (std::size_t j = 0; j < points.y.size(); ++j)
            e.addY(points.y[j], withErrors && j < points.yErrors.size() ? points.yErrors[j] : 0.0);
    }
    return e;
}

} // namespace

std::vector<std::pair<QString, QString>> HistogramStatistics::rows() const {
    return {{"Entries", QString::number(entries, 'f', 0)},
            {"Mean", QString::number(mean, 'g', 4)},
            {"RMS", QString::number(rms, 'g', 4)}};
}

HistogramStatistics statisticsOf(const rootio::Histogram1D& h) {
    HistogramStatistics s;
    s.name = QString::fromStdString(h.name);
    s.entries = h.entries;
    double sumw = 0, sumwx = 0, sumwx2 = 0;
    const double width = (h.xmax - h.xmin) / h.nbins;
    for (int b = 1; b <= h.nbins && b < static_cast<int>(h.contents.size()); ++b) {
        const double w = h.contents[static_cast<std::size_t>(b)];
        const double x = h.xmin + (b - 0.5) * width;
        sumw += w;
        sumwx += w * x;
        sumwx2 += w * x * x;
    }
    if (sumw != 0) {
        s.mean = sumwx / sumw;
        s.rms = std::sqrt(std::max(0.0, sumwx2 / sumw - s.mean * s.mean));
    }
    return s;
}

void CanvasPad::clear() {
    items_.clear();
    texts_.clear();
    legends_ = 0;
    statistics_.reset();
    xRange_.reset();
    yRange_.reset();
    xTitle_.clear();
    yTitle_.clear();
}

void CanvasPad::addHistogram(const rootio::Histogram1D& h, const DrawStyle& style) {
    if (items_.empty()) {
        setXRange(h.xmin, h.xmax);
        setAxisTitles(QString::fromStdString(h.xTitle), QString::fromStdString(h.yTitle));
    }
    if (style.statistics && !statistics_)
        statistics_ = statisticsOf(h);
    PadItem item;
    item.kind = PadItem::Kind::Histogram;
    item.histogram = h;
    item.style = style;
    items_.push_back(std::move(item));
}

void CanvasPad::addCurve(const rootio::Graph& curve, const DrawStyle& style) {
    PadItem item;
    item.kind = PadItem::Kind::Curve;
    item.curve = curve;
    item.style = style;
    items_.push_back(std::move(item));
}

void CanvasPad::addGraph(const rootio::Graph& points, const std::vector<double>& yErrors,
                         const DrawStyle& style) {
    PadItem item;
    item.kind = PadItem::Kind::Graph;
    item.curve = points;
    item.yErrors = yErrors;
    item.style = style;
    items_.push_back(std::move(item));
}

void CanvasPad::setAxisTitles(const QString& x, const QString& y) {
    xTitle_ = x;
    yTitle_ = y;
}

PadPoints CanvasPad::points(std::size_t i) const {
    PadPoints out;
    if (i >= items_.size())
        return out;
    const PadItem& item = items_[i];
    if (item.kind != PadItem::Kind::Histogram) {
        const auto& c = item.curve;
        for (std::size_t k = 0; k < c.x.size() && k < c.y.size(); ++k) {
            if (logY_ && c.y[k] <= 0.0)
                continue;
            out.x.push_back(c.x[k]);
            out.y.push_back(c.y[k]);
            out.yErrors.push_back(k < item.yErrors.size() ? item.yErrors[k] : 0.0);
        }
        return out;
    }
    const auto& h = item.histogram;
    const double width = (h.xmax - h.xmin) / h.nbins;
    const bool markers = item.style.look == DrawStyle::Look::Markers;
    for (int b = 1; b <= h.nbins; ++b) {
        const double c = h.contents[static_cast<std::size_t>(b)];
        const double e = h.sumw2.empty() ? std::sqrt(std::abs(c))
                                         : std::sqrt(h.sumw2[static_cast<std::size_t>(b)]);
        const double low = h.xmin + (b - 1) * width;
        if (markers) {
            if (c == 0.0 && e == 0.0)
                continue; // empty bins are not drawn as points
            if (logY_ && c <= 0.0)
                continue;
            out.x.push_back(low + 0.5 * width);
            out.y.push_back(c);
            out.yErrors.push_back(e);
        } else {
            out.x.push_back(low);
            out.y.push_back(logY_ && c <= 0.0 ? std::numeric_limits<double>::quiet_NaN() : c);
        }
    }
    if (!markers && h.nbins > 0) {
        out.x.push_back(h.xmax);
        out.y.push_back(out.y.back());
    }
    return out;
}

std::optional<AxisRange> CanvasPad::xRange() const {
    if (xRange_)
        return xRange_;
    const Extent e = extentOf(*this);
    if (!(e.xmin < e.xmax))
        return std::nullopt;
    const double margin = 0.05 * (e.xmax - e.xmin);
    return AxisRange{e.xmin - margin, e.xmax + margin};
}

std::optional<AxisRange> CanvasPad::yRange() const {
    if (yRange_)
        return yRange_;
    const Extent e = extentOf(*this);
    if (logY_) {
        if (std::isfinite(e.minPositive) && e.ymax > 0)
            return AxisRange{e.minPositive * 0.5, e.ymax * 2.0};
        return AxisRange{1e-3, 1.0};
    }
    if (!(e.ymin <= e.ymax))
        return std::nullopt;
    const double low = std::min(0.0, e.ymin);
    const double high = e.ymax > low ? e.ymax + 0.05 * (e.ymax - low) : low + 1.0;
    return AxisRange{low, high};
}

} // namespace vexel
