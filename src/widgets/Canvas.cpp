#include "Canvas.h"

#include "CanvasAxis.h"
#include "CanvasExport.h"
#include "CanvasPad.h"
#include "CanvasTextItem.h"
#include "LatexText.h"
#include "PadStatisticsBox.h"
#include "analysis/Hist1D.h"
#include "analysis/RootHistogramConversion.h"

#include <QFileInfo>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <qcustomplot.h>

namespace vexel {

namespace {

// Legends stay legible even when their box is small.
constexpr int kMinimumLegendPixels = 12;

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

QCPScatterStyle markerOf(const DrawStyle& style) {
    QCPScatterStyle scatter(shapeOf(style.markerStyle), style.markerSize);
    scatter.setPen(QPen(style.color, 1.2));
    scatter.setBrush(filledMarker(style.markerStyle) ? QBrush(style.color) : Qt::NoBrush);
    return scatter;
}

// Error bars start at the edge of the marker.
QCPErrorBars* errorBarsOf(QCPGraph* graph, const QColor& color, double whiskerWidth,
                          double markerSize) {
    auto* errors = new QCPErrorBars(graph->keyAxis(), graph->valueAxis());
    errors->setPen(QPen(color, 1));
    errors->setWhiskerWidth(whiskerWidth);
    errors->setSymbolGap(markerSize);
    errors->removeFromLegend();
    errors->setDataPlottable(graph);
    return errors;
}

QVector<double> toVector(const std::vector<double>& v) {
    return QVector<double>(v.begin(), v.end());
}

CanvasAxis* titleAxis(QCPAxisRect* rect, QCPAxis::AxisType type) {
    return static_cast<CanvasAxis*>(rect->axis(type));
}

} // namespace

// One pad: its axis rect, what it shows, and the plot objects drawing it (graphs and error
// bars in the order of the model's items).
struct Canvas::Pad {
    QCPAxisRect* rect = nullptr;
    CanvasPad model;
    std::vector<QCPGraph*> graphs;
    std::vector<QCPErrorBars*> errors;
    std::vector<QCPAbstractItem*> texts;
    std::vector<QCPLegend*> legends;
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

const Canvas::Pad* Canvas::padAt(int padNumber) const {
    if (padNumber < 1 || padNumber > padCount())
        return nullptr;
    return pads_[static_cast<std::size_t>(padNumber - 1)].get();
}

void Canvas::divide(int cols, int rows, double xMargin, double yMargin) {
    cols = std::max(1, cols);
    rows = std::max(1, rows);
    const bool single = cols * rows == 1;
    xMargin_ = single ? 0.0 : std::clamp(xMargin, 0.0, 0.4 / cols);
    yMargin_ = single ? 0.0 : std::clamp(yMargin, 0.0, 0.4 / rows);
    for (auto& p : pads_)
        clearPad(*p);
    pads_.clear();
    plot_->clearItems();
    plot_->clearPlottables();
    plot_->plotLayout()->clear(); // deletes the axis rects and the default legend
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            auto* rect = new QCPAxisRect(plot_, false);
            for (auto type : {QCPAxis::atBottom, QCPAxis::atLeft, QCPAxis::atTop, QCPAxis::atRight})
                rect->addAxis(type, new CanvasAxis(rect, type));
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

QSizeF Canvas::padSize() const {
    const QCPLayoutGrid* grid = plot_->plotLayout();
    const int cols = std::max(1, grid->columnCount());
    const int rows = std::max(1, grid->rowCount());
    const double width = std::max(plot_->width(), 100), height = std::max(plot_->height(), 100);
    return QSizeF(width / cols - 2 * xMargin_ * width, height / rows - 2 * yMargin_ * height);
}

void Canvas::applyFontSizes() {
    if (pads_.empty())
        return;
    using namespace padstyle;
    // Room around the pads: half of it at the canvas edges, all of it between two pads.
    const double width = std::max(plot_->width(), 100), height = std::max(plot_->height(), 100);
    const int xRoom = static_cast<int>(std::lround(xMargin_ * width));
    const int yRoom = static_cast<int>(std::lround(yMargin_ * height));
    plot_->plotLayout()->setMargins(QMargins(xRoom, yRoom, xRoom, yRoom));
    plot_->plotLayout()->setColumnSpacing(2 * xRoom);
    plot_->plotLayout()->setRowSpacing(2 * yRoom);
    const double padWidth = padSize().width();
    const double padHeight = padSize().height();
    QFont labelFont(kFontFamily);
    labelFont.setPixelSize(std::max(9, static_cast<int>(std::lround(kLabelSize * padHeight))));
    QFont titleFont(kFontFamily);
    titleFont.setPixelSize(std::max(9, static_cast<int>(std::lround(kTitleSize * padHeight))));
    const QMargins margins(
        static_cast<int>(kLeftMargin * padWidth), static_cast<int>(kTopMargin * padHeight),
        static_cast<int>(kRightMargin * padWidth), static_cast<int>(kBottomMargin * padHeight));
    // The style's offsets in QCustomPlot's terms: a label offset is the gap between the axis
    // and its tick labels. A title offset of 1, the standard distance, puts the title right
    // beside the tick labels; what an offset has above 1 becomes the gap between them, in
    // standard distances.
    auto padding = [&](double fraction) {
        return std::max(1, static_cast<int>(std::lround(fraction * padHeight)));
    };
    const int xLabelPadding = padding(kXLabelOffset), yLabelPadding = padding(kYLabelOffset);
    const int xTitlePadding = padding((kXTitleOffset - 1) * kStandardTitleDistance * kTitleSize);
    const int yTitlePadding = padding((kYTitleOffset - 1) * kStandardTitleDistance * kTitleSize);
    for (auto& p : pads_) {
        p->rect->setMargins(margins);
        p->rect->setMinimumMargins(margins);
        for (QCPAxis* axis : p->rect->axes()) {
            const bool horizontal = axis->orientation() == Qt::Horizontal;
            axis->setTickLabelFont(labelFont);
            axis->setLabelFont(titleFont);
            axis->setTickLabelPadding(horizontal ? xLabelPadding : yLabelPadding);
            axis->setLabelPadding(horizontal ? xTitlePadding : yTitlePadding);
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
    for (QCPErrorBars* errors : p.errors)
        if (errors)
            plot_->removePlottable(errors);
    for (QCPGraph* graph : p.graphs)
        plot_->removePlottable(graph);
    p.graphs.clear();
    p.errors.clear();
    for (QCPAbstractItem* t : p.texts)
        plot_->removeItem(t);
    p.texts.clear();
    for (QCPLegend* legend : p.legends)
        p.rect->insetLayout()->remove(legend);
    p.legends.clear();
    p.model.clear();
    titleAxis(p.rect, QCPAxis::atBottom)->setTitle(QString());
    titleAxis(p.rect, QCPAxis::atLeft)->setTitle(QString());
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

void Canvas::addDrawn(Pad& p, QCPGraph* graph, QCPErrorBars* errors) {
    p.graphs.push_back(graph);
    p.errors.push_back(errors);
    rescale(p);
}

void Canvas::drawHistogram(const analysis::Hist1D& h, const DrawStyle& style, bool same) {
    drawHistogram(analysis::toRootHistogram(h), style, same);
}

void Canvas::drawHistogram(const rootio::Histogram1D& h, const DrawStyle& style, bool same) {
    Pad& p = pad();
    if (!same)
        clearPad(p);
    const bool first = p.model.empty();
    const bool hadStatistics = p.model.statistics().has_value();
    p.model.addHistogram(h, style);
    if (first)
        setAxisTitles(p.model.xTitle(), p.model.yTitle());
    if (!hadStatistics && p.model.statistics())
        p.texts.push_back(new PadStatisticsBox(plot_, p.rect, *p.model.statistics()));
    auto* graph = new QCPGraph(p.rect->axis(QCPAxis::atBottom), p.rect->axis(QCPAxis::atLeft));
    graph->setName(QString::fromStdString(h.name));
    graph->setPen(QPen(style.color, style.lineWidth));
    QCPErrorBars* errors = nullptr;
    if (style.look == DrawStyle::Look::Markers) {
        graph->setLineStyle(QCPGraph::lsNone);
        graph->setScatterStyle(markerOf(style));
        if (style.errors)
            errors = errorBarsOf(graph, style.color, 0, style.markerSize);
    } else {
        graph->setLineStyle(QCPGraph::lsStepLeft);
    }
    addDrawn(p, graph, errors);
}

void Canvas::drawFunction(const QString& name, const std::function<double(double)>& f, double xmin,
                          double xmax, const QColor& color, double lineWidth, int points) {
    Pad& p = pad();
    points = std::max(2, points);
    rootio::Graph curve;
    curve.name = name.toStdString();
    curve.title = name.toStdString();
    for (int i = 0; i < points; ++i) {
        const double xv = xmin + (xmax - xmin) * i / (points - 1);
        curve.x.push_back(xv);
        curve.y.push_back(f(xv));
    }
    DrawStyle style;
    style.color = color;
    style.lineWidth = lineWidth;
    p.model.addCurve(curve, style);
    auto* graph = new QCPGraph(p.rect->axis(QCPAxis::atBottom), p.rect->axis(QCPAxis::atLeft));
    graph->setName(name);
    graph->setPen(QPen(color, lineWidth));
    graph->setLineStyle(QCPGraph::lsLine);
    addDrawn(p, graph, nullptr);
}

void Canvas::drawGraph(const QString& name, const std::vector<double>& x,
                       const std::vector<double>& y, const std::vector<double>& yErrors,
                       const DrawStyle& style) {
    Pad& p = pad();
    clearPad(p);
    rootio::Graph points;
    points.name = name.toStdString();
    points.title = name.toStdString();
    points.x = x;
    points.y = y;
    p.model.addGraph(points, yErrors, style);
    auto* graph = new QCPGraph(p.rect->axis(QCPAxis::atBottom), p.rect->axis(QCPAxis::atLeft));
    graph->setName(name);
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setScatterStyle(markerOf(style));
    addDrawn(p, graph, errorBarsOf(graph, style.color, 6, style.markerSize));
}

void Canvas::setLogY(bool log) {
    Pad& p = pad();
    p.model.setLogY(log);
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
    return pad().model.logY();
}

void Canvas::setXRange(double min, double max) {
    pad().model.setXRange(min, max);
    rescale(pad());
}

void Canvas::setYRange(double min, double max) {
    pad().model.setYRange(min, max);
    rescale(pad());
}

void Canvas::setAxisTitles(const QString& xTitle, const QString& yTitle) {
    Pad& p = pad();
    p.model.setAxisTitles(xTitle, yTitle);
    titleAxis(p.rect, QCPAxis::atBottom)->setTitle(xTitle);
    titleAxis(p.rect, QCPAxis::atLeft)->setTitle(yTitle);
}

QString Canvas::xTitle() const {
    return pad().model.xTitle();
}

QString Canvas::yTitle() const {
    return pad().model.yTitle();
}

void Canvas::drawText(double x, double y, const QString& latex, double size, const QColor& color) {
    Pad& p = pad();
    p.texts.push_back(
        new CanvasTextItem(plot_, p.rect, x, y, LatexText::toRichText(latex), size, color));
    p.model.addText(latex);
}

void Canvas::addLegend(double x1, double y1, double x2, double y2,
                       const std::vector<std::pair<int, QString>>& entries, double textSize) {
    using namespace padstyle;
    Pad& p = pad();
    auto* legend = new QCPLegend;
    p.rect->insetLayout()->addElement(legend, Qt::AlignRight | Qt::AlignTop);
    p.rect->insetLayout()->setInsetPlacement(p.rect->insetLayout()->elementCount() - 1,
                                             QCPLayoutInset::ipFree);
    // Normalised pad coordinates to fractions of the frame inside the margins (from its top).
    QRectF inset(frameX(x1), 1.0 - frameY(y2), frameX(x2) - frameX(x1), frameY(y2) - frameY(y1));
    legend->setLayer(QLatin1String("legend"));
    legend->setBorderPen(Qt::NoPen);
    legend->setBrush(Qt::NoBrush);
    // The text size of the style, made smaller when the entries would not fit the box.
    const double padHeight = padSize().height();
    const double padWidth = padSize().width();
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
        if (index < 0 || index >= static_cast<int>(p.graphs.size()))
            continue;
        QCPGraph* graph = p.graphs[static_cast<std::size_t>(index)];
        graph->setName(label);
        graph->addToLegend(legend);
    }
    // Entries wider than the box widen it to the left, so that it stays inside the frame.
    const double frameWidth =
        p.rect->width() > 0 ? p.rect->width() : padWidth * (1.0 - kLeftMargin - kRightMargin);
    const double missing = legend->minimumOuterSizeHint().width() / frameWidth - inset.width();
    if (missing > 0)
        inset.setLeft(std::max(0.0, inset.left() - missing));
    p.rect->insetLayout()->setInsetRect(p.rect->insetLayout()->elementCount() - 1, inset);
    p.legends.push_back(legend);
    p.model.addLegend();
}

void Canvas::setEditable(bool editable) {
    editable_ = editable;
    plot_->setInteractions(editable ? QCP::Interactions(QCP::iRangeDrag | QCP::iRangeZoom)
                                    : QCP::Interactions());
}

void Canvas::rescale(Pad& p) {
    // An empty pad is blank.
    for (QCPAxis* axis : p.rect->axes())
        axis->setVisible(!p.model.empty());
    for (std::size_t i = 0; i < p.graphs.size(); ++i) {
        const PadPoints points = p.model.points(i);
        p.graphs[i]->setData(toVector(points.x), toVector(points.y), true);
        if (p.errors[i])
            p.errors[i]->setData(toVector(points.yErrors));
    }
    if (const auto x = p.model.xRange())
        p.rect->axis(QCPAxis::atBottom)->setRange(x->min, x->max);
    if (const auto y = p.model.yRange())
        p.rect->axis(QCPAxis::atLeft)->setRange(y->min, y->max);
}

void Canvas::update() {
    plot_->replot();
}

std::vector<rootio::Histogram1D> Canvas::padHistograms(int padNumber) const {
    std::vector<rootio::Histogram1D> out;
    if (const Pad* p = padAt(padNumber))
        for (const PadItem& item : p->model.items())
            if (item.kind == PadItem::Kind::Histogram)
                out.push_back(item.histogram);
    return out;
}

std::vector<rootio::Graph> Canvas::padCurves(int padNumber) const {
    std::vector<rootio::Graph> out;
    if (const Pad* p = padAt(padNumber))
        for (const PadItem& item : p->model.items())
            if (item.kind != PadItem::Kind::Histogram)
                out.push_back(item.curve);
    return out;
}

QStringList Canvas::padTexts(int padNumber) const {
    const Pad* p = padAt(padNumber);
    return p ? p->model.texts() : QStringList();
}

int Canvas::padLegendCount(int padNumber) const {
    const Pad* p = padAt(padNumber);
    return p ? p->model.legendCount() : 0;
}

std::optional<HistogramStatistics> Canvas::padStatistics(int padNumber) const {
    const Pad* p = padAt(padNumber);
    return p ? p->model.statistics() : std::nullopt;
}

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
    if (error)
        *error = QString("Unknown picture format of %1.").arg(path);
    return false;
}

bool Canvas::savePng(const QString& path, QString* error) {
    return CanvasExport::savePng(*plot_, path, error);
}

bool Canvas::savePdf(const QString& path, QString* error) {
    return CanvasExport::savePdf(*plot_, path, error);
}

bool Canvas::saveEps(const QString& path, QString* error) {
    return CanvasExport::saveEps(*plot_, path, error);
}

bool Canvas::saveRoot(const QString& path, QString* error) {
    std::vector<const CanvasPad*> pads;
    for (const auto& p : pads_)
        pads.push_back(&p->model);
    return CanvasExport::saveRoot(pads, path, error);
}

} // namespace vexel
