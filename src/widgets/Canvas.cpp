#include "Canvas.h"

#include "LatexText.h"
#include "analysis/Hist1D.h"
#include "analysis/RootHistogramConversion.h"

#include <QDir>
#include <QFileInfo>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <qcustomplot.h>
#include <set>

#include <cairo-ps.h>
#include <cairo.h>
// glib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <poppler.h>
#pragma pop_macro("signals")

#include "rootio/Error.h"
#include "rootio/FileWriter.h"
#include <utility>

namespace vexel {

namespace {

// Pad margins as fractions of the pad (left, right, bottom, top) and text sizes as fractions of
// the pad height: the plot style of the exercises.
constexpr double kLeftMargin = 0.12;
constexpr double kRightMargin = 0.05;
constexpr double kBottomMargin = 0.15;
constexpr double kTopMargin = 0.06;
constexpr double kLabelSize = 0.0425;
constexpr double kTitleSize = 0.0425;
const char* const kFontFamily = "Helvetica";
// Legends stay legible even when their box is small.
constexpr int kMinimumLegendPixels = 12;

// Rich text placed at normalised coordinates of a pad (the axis rect's outer rectangle).
class PadTextItem : public QCPAbstractItem {
public:
    PadTextItem(QCustomPlot* plot, QCPAxisRect* pad, double x, double y, QString richText,
                double size, QColor color)
        : QCPAbstractItem(plot), pad_(pad), x_(x), y_(y), html_(std::move(richText)), size_(size),
          color_(std::move(color)) {
        setClipToAxisRect(false);
    }

    double selectTest(const QPointF&, bool, QVariant*) const override { return -1; }

protected:
    void draw(QCPPainter* painter) override {
        if (!pad_)
            return;
        // Normalised pad coordinates as in a pad with the style's margins: the frame edges
        // sit at the margins whatever room the axis labels take.
        const QRect outer = pad_->outerRect();
        const QRect inner = pad_->rect();
        QFont font(kFontFamily);
        font.setPixelSize(std::max(8, static_cast<int>(std::lround(size_ * outer.height()))));
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(font);
        doc.setHtml(QString("<span style=\"color:%1\">%2</span>").arg(color_.name(), html_));
        const double fx = (x_ - kLeftMargin) / (1.0 - kLeftMargin - kRightMargin);
        const double fy = (y_ - kBottomMargin) / (1.0 - kBottomMargin - kTopMargin);
        const double px = inner.left() + fx * inner.width();
        const double py = inner.bottom() - fy * inner.height() - doc.size().height();
        painter->save();
        painter->translate(px, py);
        doc.drawContents(painter);
        painter->restore();
    }

private:
    QPointer<QCPAxisRect> pad_;
    double x_, y_;
    QString html_;
    double size_;
    QColor color_;
};

QCPScatterStyle::ScatterShape shapeOf(int markerStyle) {
    switch (markerStyle) {
    case 20:
        return QCPScatterStyle::ssDisc;
    case 21:
        return QCPScatterStyle::ssSquare;
    case 22:
    case 26:
        return QCPScatterStyle::ssTriangle;
    case 23:
    case 32:
        return QCPScatterStyle::ssTriangleInverted;
    case 25:
        return QCPScatterStyle::ssSquare;
    case 24:
    default:
        return QCPScatterStyle::ssCircle;
    }
}

bool filledMarker(int markerStyle) {
    return markerStyle >= 20 && markerStyle <= 23;
}

} // namespace

// One pad: its axis rect and what has been drawn on it, in drawing order.
struct Canvas::Pad {
    QCPAxisRect* rect = nullptr;
    struct Item {
        enum class Kind { Histogram, Curve, Graph } kind;
        rootio::Histogram1D histogram; // Histogram
        rootio::Graph curve;           // Curve and Graph
        std::vector<double> yErrors;   // Graph
        DrawStyle style;
        QCPGraph* graph = nullptr;
        QCPErrorBars* errors = nullptr;
    };
    std::vector<Item> items;
    std::vector<QCPAbstractItem*> texts;
    QStringList textSources;
    std::vector<QCPLegend*> legends;
    bool logY = false;
    std::optional<std::pair<double, double>> xRange, yRange;
    QString xTitle, yTitle;
};

Canvas::Canvas(const QString& name, QWidget* parent) : QWidget(parent), plot_(new QCustomPlot) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);
    plot_->setBackground(Qt::white);
    plot_->setNoAntialiasingOnDrag(true);
    plot_->setAutoAddPlottableToLegend(false); // each pad has its own legends
    divide(1, 1);
}

Canvas::~Canvas() = default;

Canvas::Pad& Canvas::pad() {
    return *pads_[static_cast<std::size_t>(current_)];
}

const Canvas::Pad& Canvas::pad() const {
    return *pads_[static_cast<std::size_t>(current_)];
}

void Canvas::divide(int cols, int rows) {
    cols = std::max(1, cols);
    rows = std::max(1, rows);
    for (auto& p : pads_)
        clearPad(*p);
    pads_.clear();
    plot_->clearItems();
    plot_->clearPlottables();
    plot_->plotLayout()->clear(); // deletes the axis rects and the default legend
    plot_->plotLayout()->setRowSpacing(0);
    plot_->plotLayout()->setColumnSpacing(0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            auto* rect = new QCPAxisRect(plot_);
            plot_->plotLayout()->addElement(r, c, rect);
            styleAxisRect(rect);
            auto p = std::make_unique<Pad>();
            p->rect = rect;
            pads_.push_back(std::move(p));
        }
    current_ = 0;
    for (auto& p : pads_)
        rescale(*p);
    applyFontSizes();
    plot_->replot();
}

void Canvas::styleAxisRect(QCPAxisRect* rect) {
    rect->setupFullAxesBox(true);
    // Left and bottom grow with the tick labels and titles; the style's fractions are minima.
    rect->setAutoMargins(QCP::msLeft | QCP::msBottom);
    for (QCPAxis* axis : rect->axes()) {
        axis->grid()->setVisible(false);
        axis->setTickLengthIn(6);
        axis->setTickLengthOut(0);
        axis->setSubTickLengthIn(3);
        axis->setSubTickLengthOut(0);
        axis->setBasePen(QPen(Qt::black, 1));
        axis->setTickPen(QPen(Qt::black, 1));
        axis->setSubTickPen(QPen(Qt::black, 1));
    }
    rect->axis(QCPAxis::atBottom)->ticker()->setTickCount(5);
    rect->axis(QCPAxis::atLeft)->ticker()->setTickCount(5);
    rect->axis(QCPAxis::atBottom)->setRange(0, 1);
    rect->axis(QCPAxis::atLeft)->setRange(0, 1);
}

void Canvas::applyFontSizes() {
    if (pads_.empty())
        return;
    const QCPLayoutGrid* grid = plot_->plotLayout();
    const int cols = std::max(1, grid->columnCount());
    const int rows = std::max(1, grid->rowCount());
    const double padWidth = double(std::max(plot_->width(), 100)) / cols;
    const double padHeight = double(std::max(plot_->height(), 100)) / rows;
    QFont labelFont(kFontFamily);
    labelFont.setPixelSize(std::max(9, static_cast<int>(std::lround(kLabelSize * padHeight))));
    QFont titleFont(kFontFamily);
    titleFont.setPixelSize(std::max(9, static_cast<int>(std::lround(kTitleSize * padHeight))));
    const QMargins margins(
        static_cast<int>(kLeftMargin * padWidth), static_cast<int>(kTopMargin * padHeight),
        static_cast<int>(kRightMargin * padWidth), static_cast<int>(kBottomMargin * padHeight));
    for (auto& p : pads_) {
        p->rect->setMargins(margins);
        p->rect->setMinimumMargins(margins);
        for (QCPAxis* axis : p->rect->axes()) {
            axis->setTickLabelFont(labelFont);
            axis->setLabelFont(titleFont);
            axis->setTickLabelPadding(3);
            axis->setLabelPadding(2);
        }
    }
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyFontSizes();
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

bool Canvas::cd(int padNumber) {
    if (padNumber < 1 || padNumber > padCount())
        return false;
    current_ = padNumber - 1;
    return true;
}

void Canvas::clearPad(Pad& p) {
    for (auto& item : p.items) {
        if (item.errors)
            plot_->removePlottable(item.errors);
        if (item.graph)
            plot_->removePlottable(item.graph);
    }
    p.items.clear();
    for (QCPAbstractItem* t : p.texts)
        plot_->removeItem(t);
    p.texts.clear();
    p.textSources.clear();
    for (QCPLegend* legend : p.legends)
        p.rect->insetLayout()->remove(legend);
    p.legends.clear();
    p.xRange.reset();
    p.yRange.reset();
    p.xTitle.clear();
    p.yTitle.clear();
    p.rect->axis(QCPAxis::atBottom)->setLabel(QString());
    p.rect->axis(QCPAxis::atLeft)->setLabel(QString());
    rescale(p);
}

void Canvas::clearPad(int padNumber) {
    if (padNumber < 1 || padNumber > padCount())
        return;
    clearPad(*pads_[static_cast<std::size_t>(padNumber - 1)]);
}

void Canvas::clear() {
    for (auto& p : pads_)
        clearPad(*p);
}

void Canvas::drawHistogram(const analysis::Hist1D& h, const DrawStyle& style, bool same) {
    drawHistogram(analysis::toRootHistogram(h), style, same);
}

void Canvas::drawHistogram(const rootio::Histogram1D& h, const DrawStyle& style, bool same) {
    Pad& p = pad();
    const bool first = !same || p.items.empty();
    if (!same)
        clearPad(p);
    if (first) {
        p.xRange = std::make_pair(h.xmin, h.xmax);
        setAxisTitles(QString::fromStdString(h.xTitle), QString::fromStdString(h.yTitle));
    }
    QCPAxis* x = p.rect->axis(QCPAxis::atBottom);
    QCPAxis* y = p.rect->axis(QCPAxis::atLeft);
    Pad::Item item{Pad::Item::Kind::Histogram, h, {}, {}, style, nullptr, nullptr};
    item.graph = new QCPGraph(x, y);
    item.graph->setName(QString::fromStdString(h.name));
    item.graph->setPen(QPen(style.color, style.lineWidth));
    if (style.look == DrawStyle::Look::Markers) {
        item.graph->setLineStyle(QCPGraph::lsNone);
        QCPScatterStyle scatter(shapeOf(style.markerStyle), style.markerSize);
        scatter.setPen(QPen(style.color, 1.2));
        scatter.setBrush(filledMarker(style.markerStyle) ? QBrush(style.color) : Qt::NoBrush);
        item.graph->setScatterStyle(scatter);
        if (style.errors) {
            item.errors = new QCPErrorBars(x, y);
            item.errors->setPen(QPen(style.color, 1));
            item.errors->setWhiskerWidth(0);
            item.errors->removeFromLegend();
            item.errors->setDataPlottable(item.graph);
        }
    } else {
        item.graph->setLineStyle(QCPGraph::lsStepLeft);
    }
    p.items.push_back(std::move(item));
    rescale(p);
}

void Canvas::drawFunction(const QString& name, const std::function<double(double)>& f, double xmin,
                          double xmax, const QColor& color, double lineWidth, int points) {
    Pad& p = pad();
    points = std::max(2, points);
    Pad::Item item{Pad::Item::Kind::Curve, {}, {}, {}, {}, nullptr, nullptr};
    item.curve.name = name.toStdString();
    item.curve.title = name.toStdString();
    for (int i = 0; i < points; ++i) {
        const double xv = xmin + (xmax - xmin) * i / (points - 1);
        item.curve.x.push_back(xv);
        item.curve.y.push_back(f(xv));
    }
    item.style.color = color;
    item.style.lineWidth = lineWidth;
    item.graph = new QCPGraph(p.rect->axis(QCPAxis::atBottom), p.rect->axis(QCPAxis::atLeft));
    item.graph->setName(name);
    item.graph->setPen(QPen(color, lineWidth));
    item.graph->setLineStyle(QCPGraph::lsLine);
    p.items.push_back(std::move(item));
    rescale(p);
}

void Canvas::drawGraph(const QString& name, const std::vector<double>& x,
                       const std::vector<double>& y, const std::vector<double>& yErrors,
                       const DrawStyle& style) {
    Pad& p = pad();
    clearPad(p);
    Pad::Item item{Pad::Item::Kind::Graph, {}, {}, yErrors, style, nullptr, nullptr};
    item.curve.name = name.toStdString();
    item.curve.title = name.toStdString();
    item.curve.x = x;
    item.curve.y = y;
    QCPAxis* xa = p.rect->axis(QCPAxis::atBottom);
    QCPAxis* ya = p.rect->axis(QCPAxis::atLeft);
    item.graph = new QCPGraph(xa, ya);
    item.graph->setName(name);
    item.graph->setLineStyle(QCPGraph::lsNone);
    QCPScatterStyle scatter(shapeOf(style.markerStyle), style.markerSize);
    scatter.setPen(QPen(style.color, 1.2));
    scatter.setBrush(filledMarker(style.markerStyle) ? QBrush(style.color) : Qt::NoBrush);
    item.graph->setScatterStyle(scatter);
    item.errors = new QCPErrorBars(xa, ya);
    item.errors->setPen(QPen(style.color, 1));
    item.errors->setWhiskerWidth(6);
    item.errors->removeFromLegend();
    item.errors->setDataPlottable(item.graph);
    p.items.push_back(std::move(item));
    rescale(p);
}

void Canvas::setLogY(bool log) {
    Pad& p = pad();
    p.logY = log;
    for (QCPAxis* axis : {p.rect->axis(QCPAxis::atLeft), p.rect->axis(QCPAxis::atRight)}) {
        axis->setScaleType(log ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
        if (log) {
            QSharedPointer<QCPAxisTickerLog> ticker(new QCPAxisTickerLog);
            axis->setTicker(ticker);
            axis->setNumberFormat("eb");
            axis->setNumberPrecision(0);
        } else {
            QSharedPointer<QCPAxisTicker> ticker(new QCPAxisTicker);
            ticker->setTickCount(5);
            axis->setTicker(ticker);
            axis->setNumberFormat("gb");
            axis->setNumberPrecision(6);
        }
    }
    rescale(p);
}

bool Canvas::logY() const {
    return pad().logY;
}

void Canvas::setXRange(double min, double max) {
    pad().xRange = std::make_pair(min, max);
    rescale(pad());
}

void Canvas::setYRange(double min, double max) {
    pad().yRange = std::make_pair(min, max);
    rescale(pad());
}

void Canvas::setAxisTitles(const QString& xTitle, const QString& yTitle) {
    Pad& p = pad();
    p.xTitle = xTitle;
    p.yTitle = yTitle;
    p.rect->axis(QCPAxis::atBottom)->setLabel(LatexText::toPlainText(xTitle));
    p.rect->axis(QCPAxis::atLeft)->setLabel(LatexText::toPlainText(yTitle));
}

QString Canvas::xTitle() const {
    return pad().xTitle;
}

QString Canvas::yTitle() const {
    return pad().yTitle;
}

void Canvas::drawText(double x, double y, const QString& latex, double size, const QColor& color) {
    Pad& p = pad();
    auto* item = new PadTextItem(plot_, p.rect, x, y, LatexText::toRichText(latex), size, color);
    p.texts.push_back(item);
    p.textSources.append(latex);
}

void Canvas::addLegend(double x1, double y1, double x2, double y2,
                       const std::vector<std::pair<int, QString>>& entries, double textSize) {
    Pad& p = pad();
    auto* legend = new QCPLegend;
    p.rect->insetLayout()->addElement(legend, Qt::AlignRight | Qt::AlignTop);
    p.rect->insetLayout()->setInsetPlacement(p.rect->insetLayout()->elementCount() - 1,
                                             QCPLayoutInset::ipFree);
    // Normalised pad coordinates to fractions of the frame inside the margins.
    const double w = 1.0 - kLeftMargin - kRightMargin, h = 1.0 - kBottomMargin - kTopMargin;
    const QRectF inset((x1 - kLeftMargin) / w, (1.0 - y2 - kTopMargin) / h, (x2 - x1) / w,
                       (y2 - y1) / h);
    p.rect->insetLayout()->setInsetRect(p.rect->insetLayout()->elementCount() - 1, inset);
    legend->setLayer(QLatin1String("legend"));
    legend->setBorderPen(Qt::NoPen);
    legend->setBrush(Qt::NoBrush);
    // The text size of the style, made smaller when the entries would not fit the box.
    const double padHeight =
        double(std::max(plot_->height(), 100)) / std::max(1, plot_->plotLayout()->rowCount());
    const double padWidth =
        double(std::max(plot_->width(), 100)) / std::max(1, plot_->plotLayout()->columnCount());
    const double boxWidth = (x2 - x1) * padWidth, boxHeight = (y2 - y1) * padHeight;
    QFont font(kFontFamily);
    int pixels = std::max(9, static_cast<int>(std::lround(textSize * padHeight)));
    for (; pixels > kMinimumLegendPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const auto& entry : entries)
            widest = std::max(widest, metrics.horizontalAdvance(entry.second));
        const double height = entries.size() * (metrics.height() + 2) + 6;
        if (widest + 30 <= boxWidth && height <= std::max(boxHeight, 2.5 * metrics.height()))
            break;
    }
    font.setPixelSize(pixels);
    legend->setFont(font);
    legend->setIconSize(20, pixels);
    legend->setRowSpacing(0);
    legend->setMargins(QMargins(2, 2, 2, 2));
    for (const auto& [index, label] : entries) {
        if (index < 0 || index >= static_cast<int>(p.items.size()))
            continue;
        QCPGraph* graph = p.items[static_cast<std::size_t>(index)].graph;
        graph->setName(label);
        graph->addToLegend(legend);
    }
    p.legends.push_back(legend);
}

void Canvas::setEditable(bool editable) {
    editable_ = editable;
    plot_->setInteractions(editable ? QCP::Interactions(QCP::iRangeDrag | QCP::iRangeZoom)
                                    : QCP::Interactions());
}

void Canvas::rescale(Pad& p) {
    QCPAxis* x = p.rect->axis(QCPAxis::atBottom);
    QCPAxis* y = p.rect->axis(QCPAxis::atLeft);
    // An empty pad is blank.
    for (QCPAxis* axis : p.rect->axes())
        axis->setVisible(!p.items.empty());
    double xmin = std::numeric_limits<double>::infinity(), xmax = -xmin;
    double ymin = std::numeric_limits<double>::infinity(), ymax = -ymin;
    double minPositive = std::numeric_limits<double>::infinity();
    auto account = [&](double v, double err) {
        if (!std::isfinite(v))
            return;
        ymin = std::min(ymin, v - err);
        ymax = std::max(ymax, v + err);
        if (v > 0)
            minPositive = std::min(minPositive, v - err > 0 ? v - err : v);
    };
    for (auto& item : p.items) {
        QVector<double> keys, values, errors;
        if (item.kind == Pad::Item::Kind::Histogram) {
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
                    if (p.logY && c <= 0.0)
                        continue;
                    keys.append(low + 0.5 * width);
                    values.append(c);
                    errors.append(e);
                    account(c, item.style.errors ? e : 0.0);
                } else {
                    keys.append(low);
                    values.append(p.logY && c <= 0.0 ? std::numeric_limits<double>::quiet_NaN()
                                                     : c);
                    account(c, 0.0);
                }
            }
            if (!markers && h.nbins > 0) {
                keys.append(h.xmax);
                values.append(values.back());
            }
            xmin = std::min(xmin, h.xmin);
            xmax = std::max(xmax, h.xmax);
        } else {
            const auto& c = item.curve;
            for (std::size_t i = 0; i < c.x.size(); ++i) {
                const double e = i < item.yErrors.size() ? item.yErrors[i] : 0.0;
                if (p.logY && c.y[i] <= 0.0)
                    continue;
                keys.append(c.x[i]);
                values.append(c.y[i]);
                errors.append(e);
                if (item.kind == Pad::Item::Kind::Graph) {
                    account(c.y[i], e);
                    xmin = std::min(xmin, c.x[i]);
                    xmax = std::max(xmax, c.x[i]);
                }
            }
        }
        item.graph->setData(keys, values, true);
        if (item.errors)
            item.errors->setData(errors);
    }
    if (p.xRange) {
        x->setRange(p.xRange->first, p.xRange->second);
    } else if (xmin < xmax) {
        const double margin = 0.05 * (xmax - xmin);
        x->setRange(xmin - margin, xmax + margin);
    }
    if (p.yRange) {
        y->setRange(p.yRange->first, p.yRange->second);
    } else if (p.logY) {
        if (std::isfinite(minPositive) && ymax > 0)
            y->setRange(minPositive * 0.5, ymax * 2.0);
        else
            y->setRange(1e-3, 1.0);
    } else if (ymin <= ymax) {
        const double low = std::min(0.0, ymin);
        double high = ymax > low ? ymax + 0.05 * (ymax - low) : low + 1.0;
        y->setRange(low, high);
    }
}

void Canvas::update() {
    plot_->replot();
}

std::vector<rootio::Histogram1D> Canvas::padHistograms(int padNumber) const {
    std::vector<rootio::Histogram1D> out;
    if (padNumber < 1 || padNumber > padCount())
        return out;
    for (const auto& item : pads_[static_cast<std::size_t>(padNumber - 1)]->items)
        if (item.kind == Pad::Item::Kind::Histogram)
            out.push_back(item.histogram);
    return out;
}

std::vector<rootio::Graph> Canvas::padCurves(int padNumber) const {
    std::vector<rootio::Graph> out;
    if (padNumber < 1 || padNumber > padCount())
        return out;
    for (const auto& item : pads_[static_cast<std::size_t>(padNumber - 1)]->items)
        if (item.kind != Pad::Item::Kind::Histogram)
            out.push_back(item.curve);
    return out;
}

QStringList Canvas::padTexts(int padNumber) const {
    if (padNumber < 1 || padNumber > padCount())
        return {};
    return pads_[static_cast<std::size_t>(padNumber - 1)]->textSources;
}

int Canvas::padLegendCount(int padNumber) const {
    if (padNumber < 1 || padNumber > padCount())
        return 0;
    return static_cast<int>(pads_[static_cast<std::size_t>(padNumber - 1)]->legends.size());
}

namespace {

// Largest EPS picture in points (20 x 26 cm).
constexpr double kEpsMaxWidth = 20.0 / 2.54 * 72.0;
constexpr double kEpsMaxHeight = 26.0 / 2.54 * 72.0;

QSize pictureSize(const QCustomPlot* plot) {
    // A canvas never shown has no useful size of its own.
    if (plot->width() < 100 || plot->height() < 100)
        return QSize(700, 500);
    return plot->size();
}

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

bool directoryWritable(const QString& path, QString* error) {
    const QFileInfo dir(QFileInfo(path).absolutePath());
    if (!dir.exists())
        return fail(error, QString("The directory %1 does not exist.").arg(dir.filePath()));
    if (!dir.isWritable())
        return fail(error, QString("The directory %1 is not writable.").arg(dir.filePath()));
    return true;
}

} // namespace

bool Canvas::saveAs(const QString& path, QString* error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png")
        return savePng(path, error);
    if (suffix == "pdf")
        return savePdf(path, error);
    if (suffix == "eps")
        return saveEps(path, error);
    if (suffix == "root")
        return saveRoot(path, error);
    return fail(error, QString("Unknown picture format of %1.").arg(path));
}

bool Canvas::savePng(const QString& path, QString* error) {
    if (!directoryWritable(path, error))
        return false;
    const QSize size = pictureSize(plot_);
    if (!plot_->savePng(path, size.width(), size.height()))
        return fail(error, QString("Cannot write %1.").arg(path));
    return true;
}

bool Canvas::savePdf(const QString& path, QString* error) {
    if (!directoryWritable(path, error))
        return false;
    const QSize size = pictureSize(plot_);
    if (!plot_->savePdf(path, size.width(), size.height()))
        return fail(error, QString("Cannot write %1.").arg(path));
    return true;
}

bool Canvas::saveEps(const QString& path, QString* error) {
    if (!directoryWritable(path, error))
        return false;
    // The vector picture is made as PDF, then rendered by poppler onto cairo's EPS surface.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(error, "Cannot create a temporary directory for the EPS picture.");
    const QString pdf = scratch.filePath("canvas.pdf");
    const QSize size = pictureSize(plot_);
    if (!plot_->savePdf(pdf, size.width(), size.height()))
        return fail(error, QString("Cannot write %1.").arg(path));

    GError* gerror = nullptr;
    gchar* uri = g_filename_to_uri(QFile::encodeName(QFileInfo(pdf).absoluteFilePath()).constData(),
                                   nullptr, &gerror);
    if (!uri) {
        const QString why = gerror ? QString::fromUtf8(gerror->message) : QString();
        g_clear_error(&gerror);
        return fail(error, QString("Cannot convert %1 to EPS: %2").arg(path, why));
    }
    PopplerDocument* document = poppler_document_new_from_file(uri, nullptr, &gerror);
    g_free(uri);
    if (!document) {
        const QString why = gerror ? QString::fromUtf8(gerror->message) : QString();
        g_clear_error(&gerror);
        return fail(error, QString("Cannot convert %1 to EPS: %2").arg(path, why));
    }
    PopplerPage* page = poppler_document_get_page(document, 0);
    if (!page) {
        g_object_unref(document);
        return fail(error, QString("Cannot convert %1 to EPS: empty picture.").arg(path));
    }
    double width = 0, height = 0;
    poppler_page_get_size(page, &width, &height);
    // Points, not pixels: a large window is scaled down to at most 20 x 26 cm, so the picture
    // also fits on a Letter or A4 page when it is printed or viewed as a page.
    const double scale = std::min({1.0, kEpsMaxWidth / width, kEpsMaxHeight / height});
    cairo_surface_t* surface =
        cairo_ps_surface_create(QFile::encodeName(path).constData(), width * scale, height * scale);
    cairo_ps_surface_set_eps(surface, 1);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    poppler_page_render_for_printing(page, cr);
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    g_object_unref(page);
    g_object_unref(document);
    if (status != CAIRO_STATUS_SUCCESS)
        return fail(error, QString("Cannot write %1: %2")
                               .arg(path, QString::fromUtf8(cairo_status_to_string(status))));
    return true;
}

bool Canvas::saveRoot(const QString& path, QString* error) {
    if (!directoryWritable(path, error))
        return false;
    rootio::FileWriter writer(QFile::encodeName(path).toStdString());
    std::set<std::string> names;
    // Names are keys of the file: repeated ones get the pad number and a counter.
    auto unique = [&](std::string name, int padNumber) {
        if (name.empty())
            name = "object";
        if (names.insert(name).second)
            return name;
        for (int k = 1;; ++k) {
            std::string candidate = name + "_pad" + std::to_string(padNumber) +
                                    (k > 1 ? "_" + std::to_string(k) : std::string());
            if (names.insert(candidate).second)
                return candidate;
        }
    };
    for (int i = 1; i <= padCount(); ++i) {
        const Pad& p = *pads_[static_cast<std::size_t>(i - 1)];
        for (const auto& item : p.items) {
            if (item.kind == Pad::Item::Kind::Histogram) {
                rootio::Histogram1D h = item.histogram;
                h.name = unique(h.name, i);
                writer.addHistogram(h);
            } else {
                rootio::Graph g = item.curve;
                g.name = unique(g.name, i);
                if (g.xTitle.empty())
                    g.xTitle = p.xTitle.toStdString();
                if (g.yTitle.empty())
                    g.yTitle = p.yTitle.toStdString();
                writer.addGraph(g);
            }
        }
    }
    try {
        writer.save();
    } catch (const rootio::Error& e) {
        return fail(error, QString::fromStdString(e.what()));
    }
    return true;
}

} // namespace vexel
