#include "ClassResultsPlot.h"

#include "LatexText.h"
#include "TickStep.h"
#include "analysis/TrendAxis.h"

#include <qcustomplot.h>

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

const QColor kFitBlue(0, 0, 204);
const QColor kTrueGreen(0, 153, 0);
const QColor kStudentGrey(160, 160, 160);

QString plain(const QString& latex) {
    return vexel::LatexText::toPlainText(latex);
}

QString number(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

QCPLegend* makeLegend() {
    auto* legend = new QCPLegend;
    legend->setBorderPen(Qt::NoPen);
    legend->setBrush(Qt::NoBrush);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    return legend;
}

void addToLegend(QCPLegend* legend, QCPAbstractPlottable* p) {
    legend->addItem(new QCPPlottableLegendItem(legend, p));
}

// A vertical or horizontal line as a graph of two points, so that it has a legend entry.
QCPGraph* line(QCPAxisRect* rect, double x1, double y1, double x2, double y2, const QColor& c,
               const QString& name) {
    auto* g = new QCPGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
    g->setData({x1, x2}, {y1, y2}, true);
    g->setPen(QPen(c, 2, Qt::DashLine));
    g->setName(name);
    return g;
}

} // namespace

ClassResultsPlot::ClassResultsPlot(QWidget* parent)
    : QWidget(parent), plot_(new QCustomPlot(this)) {
    setObjectName("ClassResultsPlot");
    plot_->setObjectName("ClassResultsPlotArea");
    plot_->plotLayout()->clear();
    plot_->legend = nullptr;
    plot_->setAutoAddPlottableToLegend(false);
    massRect_ = new QCPAxisRect(plot_);
    lifetimeRect_ = new QCPAxisRect(plot_);
    legend_ = makeLegend();
    massText_ = new QCPTextElement(plot_);
    lifetimeText_ = new QCPTextElement(plot_);
    for (QCPAxisRect* r : {massRect_, lifetimeRect_}) {
        for (QCPAxis* a : r->axes())
            a->grid()->setVisible(false);
        r->axis(QCPAxis::atTop)->setVisible(true);
        r->axis(QCPAxis::atRight)->setVisible(true);
        r->axis(QCPAxis::atTop)->setTickLabels(false);
        r->axis(QCPAxis::atRight)->setTickLabels(false);
        r->setRangeDrag(Qt::Orientations());
        r->setRangeZoom(Qt::Orientations());
    }
    arrange();
    applyFonts();
    // Ticks follow the plots' sizes whenever they are drawn.
    connect(plot_, &QCustomPlot::beforeReplot, this, &ClassResultsPlot::chooseTicks);
}

void ClassResultsPlot::setFontPixels(int pixels) {
    fontPixels_ = pixels;
    applyFonts();
    arrange();
    plot_->replot();
}

int ClassResultsPlot::fontPixels() const {
    return fontPixels_ > 0 ? fontPixels_ : QFontInfo(font()).pixelSize();
}

QColor ClassResultsPlot::classColour(int index) {
    // Colours told apart also by most colour-blind viewers.
    static const QColor colours[] = {{230, 159, 0},  {86, 180, 233},  {0, 158, 115},
                                     {213, 94, 0},   {204, 121, 167}, {0, 114, 178},
                                     {153, 102, 51}, {120, 120, 120}};
    return colours[index % 8];
}

int ClassResultsPlot::defaultTrend(const classroom::ClassSummary& summary) {
    for (const auto& t : summary.trends)
        if (t.trend == 2)
            return 2;
    return summary.trends.empty() ? 0 : summary.trends.front().trend;
}

void ClassResultsPlot::arrange() {
    QCPLayoutGrid* layout = plot_->plotLayout();
    for (QCPLayoutElement* e :
         {static_cast<QCPLayoutElement*>(massText_), static_cast<QCPLayoutElement*>(massRect_),
          static_cast<QCPLayoutElement*>(lifetimeText_),
          static_cast<QCPLayoutElement*>(lifetimeRect_), static_cast<QCPLayoutElement*>(legend_)})
        if (e->layout())
            e->layout()->take(e);
    layout->clear();
    layout->simplify();
    // The two plots side by side on a wide area, one above the other on a tall one; the one
    // legend of both below them.
    sideBySide_ = width() >= height() * 1.3;
    auto* panels = new QCPLayoutGrid;
    layout->addElement(0, 0, panels);
    layout->addElement(1, 0, legend_);
    legend_->setLayer("legend");
    layout->setRowStretchFactors({1.0, 0.001});
    const auto place = [&](int panel, QCPTextElement* text, QCPAxisRect* rect) {
        const int row = sideBySide_ ? 0 : panel * 2;
        const int col = sideBySide_ ? panel : 0;
        panels->addElement(row, col, text);
        panels->addElement(row + 1, col, rect);
    };
    place(0, massText_, massRect_);
    place(1, lifetimeText_, lifetimeRect_);
    QList<double> rows;
    for (int r = 0; r < panels->rowCount(); ++r)
        rows << (r % 2 ? 1.0 : 0.001);
    panels->setRowStretchFactors(rows);
    panels->setColumnSpacing(fontPixels());
    panels->setRowSpacing(fontPixels() / 3);
    // Titles broken into lines as wide as their plot.
    const int panelWidth = (sideBySide_ ? width() / 2 : width()) - fontPixels();
    massText_->setText(wrapped(massTitle_, massText_->font(), panelWidth));
    lifetimeText_->setText(wrapped(lifetimeTitle_, lifetimeText_->font(), panelWidth));
    // The legend in as many columns as fit.
    int widest = 1;
    for (int i = 0; i < legend_->itemCount(); ++i)
        if (QCPAbstractLegendItem* item = legend_->item(i))
            widest = std::max(widest, item->minimumOuterSizeHint().width());
    legend_->setWrap(std::max(1, (width() - fontPixels()) / (widest + fontPixels())));
    legend_->setFillOrder(legend_->fillOrder(), true);
}

QString ClassResultsPlot::wrapped(const QString& text, const QFont& font, int pixels) {
    const QFontMetrics m(font);
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && m.horizontalAdvance(longer) > pixels) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join('\n');
}

void ClassResultsPlot::applyFonts() {
    QFont f = font();
    if (fontPixels_ > 0)
        f.setPixelSize(fontPixels_);
    QFont title = f;
    title.setBold(true);
    for (QCPAxisRect* r : {massRect_, lifetimeRect_})
        for (QCPAxis* a : r->axes()) {
            a->setLabelFont(f);
            a->setTickLabelFont(f);
            const int tick = std::max(4, QFontMetrics(f).height() / 3);
            a->setTickLength(0, tick);
            a->setSubTickLength(0, tick / 2);
            a->setLabelPadding(std::max(4, QFontMetrics(f).height() / 4));
        }
    legend_->setFont(f);
    for (int i = 0; i < legend_->itemCount(); ++i)
        if (QCPAbstractLegendItem* item = legend_->item(i))
            item->setFont(f);
    const int icon = QFontMetrics(f).height();
    legend_->setIconSize(icon * 2, icon);
    for (QCPTextElement* t : {massText_, lifetimeText_})
        t->setFont(title);
}

void ClassResultsPlot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    plot_->setGeometry(rect());
    arrange();
    plot_->replot();
}

void ClassResultsPlot::chooseTicks() {
    // The layout as it will be drawn, to know the plots' sizes in pixels.
    plot_->setViewport(plot_->rect());
    plot_->plotLayout()->update(QCPLayoutElement::upPreparation);
    plot_->plotLayout()->setOuterRect(plot_->viewport());
    plot_->plotLayout()->update(QCPLayoutElement::upMargins);
    plot_->plotLayout()->update(QCPLayoutElement::upLayout);
    for (QCPAxisRect* r : {massRect_, lifetimeRect_})
        for (QCPAxis* a : {r->axis(QCPAxis::atBottom), r->axis(QCPAxis::atLeft)}) {
            const QFontMetrics m(a->tickLabelFont());
            const double range = a->range().size();
            const bool horizontal = a->orientation() == Qt::Horizontal;
            const double pixels = horizontal ? r->width() : r->height();
            const double label = horizontal
                                     ? m.horizontalAdvance(a == massRect_->axis(QCPAxis::atBottom)
                                                               ? QStringLiteral("1880")
                                                               : QStringLiteral("-0.25"))
                                     : m.height() * 1.5;
            QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
            ticker->setTickStep(tickStep(range, std::max(1.0, pixels), label));
            ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
            for (QCPAxis* same : {a, r->axis(horizontal ? QCPAxis::atTop : QCPAxis::atRight)}) {
                same->setTicker(ticker);
                same->setRange(a->range());
            }
        }
}

void ClassResultsPlot::draw(const classroom::LessonDay& day, int trend,
                            const ClassResultsTexts& texts, const LessonDayTexts& lesson) {
    plot_->clearPlottables();
    legend_->clearItems();
    total_ = nullptr;
    classCurves_ = 0;
    lifetimePoints_ = 0;
    drawMass(day, texts, lesson);
    drawLifetimes(day, trend, texts, lesson);
    applyFonts();
    arrange();
    plot_->replot();
}

void ClassResultsPlot::drawMass(const classroom::LessonDay& day, const ClassResultsTexts& texts,
                                const LessonDayTexts& lesson) {
    QCPAxis* x = massRect_->axis(QCPAxis::atBottom);
    QCPAxis* y = massRect_->axis(QCPAxis::atLeft);
    x->setLabel(plain(texts.massPadTitle));
    y->setLabel(plain(texts.entriesAxis));
    const auto& h = day.total.massHistogram;
    QVector<double> bx, by, be;
    double top = 1;
    for (int b = 1; b <= h.nbins(); ++b) {
        bx << h.binCenter(b);
        by << h.binContent(b);
        be << h.binError(b);
        top = std::max(top, h.binContent(b) + h.binError(b));
    }
    // Each class as a line (not needed with one class: the points are that class).
    if (day.classes.size() > 1)
        for (std::size_t i = 0; i < day.classes.size(); ++i) {
            const auto& ch = day.classes[i].summary.massHistogram;
            QVector<double> cy;
            for (int b = 1; b <= ch.nbins(); ++b)
                cy << ch.binContent(b);
            auto* g = new QCPGraph(x, y);
            g->setData(bx, cy, true);
            g->setLineStyle(QCPGraph::lsStepCenter);
            g->setPen(QPen(classColour(static_cast<int>(i)), 2));
            g->setName(QString::fromStdString(day.classes[i].name));
            addToLegend(legend_, g);
            ++classCurves_;
        }
    total_ = new QCPGraph(x, y);
    total_->setData(bx, by, true);
    total_->setLineStyle(QCPGraph::lsNone);
    const double marker = std::max(6, fontPixels() / 2);
    total_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, Qt::black, Qt::black, marker));
    total_->setName(day.classes.size() == 1 ? QString::fromStdString(day.classes[0].name)
                                            : lesson.allClasses);
    auto* bars = new QCPErrorBars(x, y);
    bars->setDataPlottable(total_);
    bars->setData(be);
    bars->setPen(QPen(Qt::black, 1.5));
    addToLegend(legend_, total_);
    const auto& fit = day.total.massFit;
    if (fit.fit.valid) {
        auto* curve = new QCPGraph(x, y);
        QVector<double> fx, fy;
        for (int i = 0; i <= 300; ++i) {
            const double m = fit.rangeLow + (fit.rangeHigh - fit.rangeLow) * i / 300.0;
            fx << m;
            fy << day.total.fittedMassModel(m);
        }
        curve->setData(fx, fy, true);
        curve->setPen(QPen(kFitBlue, 2));
        curve->setName(lesson.fitLegend);
        addToLegend(legend_, curve);
        const auto& p = fit.fit.parameters;
        const auto& e = fit.fit.errors;
        massTitle_ = (lesson.totalFit.arg(number(p[1], 2), number(e[1], 2), number(p[2], 2),
                                          number(e[2], 2)));
    } else {
        massTitle_ = texts.noFit;
    }
    addToLegend(legend_, line(massRect_, classroom::kTrueD0Mass, 0, classroom::kTrueD0Mass,
                              top * 1.1, kTrueGreen, plain(texts.trueMass)));
    x->setRange(classroom::kMassMin, classroom::kMassMax);
    y->setRange(0, top * 1.1);
}

void ClassResultsPlot::drawLifetimes(const classroom::LessonDay& day, int trend,
                                     const ClassResultsTexts& texts, const LessonDayTexts& lesson) {
    QCPAxis* x = lifetimeRect_->axis(QCPAxis::atBottom);
    QCPAxis* y = lifetimeRect_->axis(QCPAxis::atLeft);
    y->setLabel(plain(texts.lifetimeAxis));
    const auto shape = analysis::trendAxisFor(trend);
    lifetimeTitle_ = texts.trendNames.value(trend - 1);
    x->setLabel(shape ? plain(QString::fromStdString(shape->title)) : QString());
    double xmin = shape ? shape->axisMin : 0, xmax = shape ? shape->axisMax : 1;
    double low = classroom::kTrueD0Lifetime - 0.01, high = classroom::kTrueD0Lifetime + 0.01;
    // Every class (and, with more than one, all together): the mean and the spread.
    std::vector<std::pair<QString, const classroom::ClassSummary*>> shown;
    for (const auto& c : day.classes)
        shown.emplace_back(QString::fromStdString(c.name), &c.summary);
    if (day.classes.size() > 1)
        shown.emplace_back(lesson.allClasses, &day.total);
    const auto trendOf = [trend](const classroom::ClassSummary& s) {
        const auto t = std::find_if(s.trends.begin(), s.trends.end(),
                                    [trend](const auto& t) { return t.trend == trend; });
        return t == s.trends.end() ? nullptr : &*t;
    };
    // Students' own values, faint, behind the means.
    if (const auto* t = trendOf(day.total)) {
        QVector<double> sx, sy;
        for (const auto& p : t->points) {
            sx << p.cut;
            sy << p.lifetime;
            low = std::min(low, p.lifetime);
            high = std::max(high, p.lifetime);
        }
        auto* students = new QCPGraph(x, y);
        students->setData(sx, sy);
        students->setLineStyle(QCPGraph::lsNone);
        students->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, kStudentGrey,
                                                  std::max(5, fontPixels() / 3)));
        students->setName(texts.oneStudentPoints);
        addToLegend(legend_, students);
    }
    // The cuts the students saved, with room for the marks beside each other.
    if (const auto* t = trendOf(day.total); t && !t->points.empty()) {
        xmin = xmax = t->points.front().cut;
        for (const auto& p : t->points) {
            xmin = std::min(xmin, p.cut);
            xmax = std::max(xmax, p.cut);
        }
    }
    const double pad = std::max(0.5, (xmax - xmin) * 0.1);
    xmin -= pad;
    xmax += pad;
    const double offset = (xmax - xmin) * 0.015;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto* t = trendOf(*shown[i].second);
        if (!t)
            continue;
        // Colours as on the mass plot: each class its own, all classes (or the one) black.
        const bool all = i + 1 == shown.size();
        const QColor colour = all ? QColor(Qt::black) : classColour(static_cast<int>(i));
        const double shift = (static_cast<double>(i) - (shown.size() - 1) / 2.0) * offset;
        QVector<double> mx, my, me;
        for (const auto& c : t->classMeans) {
            mx << c.cut + shift;
            my << c.mean;
            me << c.spread;
            low = std::min(low, c.mean - c.spread);
            high = std::max(high, c.mean + c.spread);
        }
        auto* means = new QCPGraph(x, y);
        means->setData(mx, my, true);
        means->setLineStyle(QCPGraph::lsNone);
        means->setScatterStyle(
            QCPScatterStyle(all ? QCPScatterStyle::ssDisc : QCPScatterStyle::ssSquare, colour,
                            colour, std::max(7, fontPixels() / 2)));
        means->setName(shown[i].first);
        auto* bars = new QCPErrorBars(x, y);
        bars->setDataPlottable(means);
        bars->setData(me);
        bars->setPen(QPen(colour, 2));
        lifetimePoints_ += static_cast<std::size_t>(mx.size());
    }
    addToLegend(legend_, line(lifetimeRect_, xmin, classroom::kTrueD0Lifetime, xmax,
                              classroom::kTrueD0Lifetime, kTrueGreen, plain(texts.trueLifetime)));
    if (lifetimePoints_ > 0)
        lifetimeTitle_ = texts.trendNames.value(trend - 1) + " - " + lesson.spreadLegend;
    const double margin = std::max(0.005, (high - low) * 0.08);
    x->setRange(xmin, xmax);
    y->setRange(std::max(0.0, low - margin), high + margin);
}

std::vector<double> ClassResultsPlot::shownTotal() const {
    std::vector<double> out;
    if (total_)
        for (auto it = total_->data()->constBegin(); it != total_->data()->constEnd(); ++it)
            out.push_back(it->value);
    return out;
}

int ClassResultsPlot::shownClassCurves() const {
    return classCurves_;
}

std::size_t ClassResultsPlot::shownLifetimePoints() const {
    return lifetimePoints_;
}

QStringList ClassResultsPlot::legendTexts() const {
    QStringList out;
    for (int i = 0; i < legend_->itemCount(); ++i)
        if (auto* p = qobject_cast<QCPPlottableLegendItem*>(legend_->item(i)))
            out << p->plottable()->name();
    return out;
}

QStringList ClassResultsPlot::layoutProblems() const {
    QStringList problems;
    double plotArea = 0;
    for (QCPAxisRect* r : {massRect_, lifetimeRect_}) {
        plotArea += double(r->width()) * r->height();
        for (QCPAxis* a : {r->axis(QCPAxis::atBottom), r->axis(QCPAxis::atLeft)}) {
            const QFontMetrics m(a->tickLabelFont());
            const bool horizontal = a->orientation() == Qt::Horizontal;
            const QVector<double> ticks = a->tickVector();
            const QVector<QString> labels = a->tickVectorLabels();
            double lastEnd = -1e9;
            for (int i = 0; i < ticks.size(); ++i) {
                if (!a->range().contains(ticks[i]))
                    continue;
                const double at = a->coordToPixel(ticks[i]);
                const double half =
                    horizontal ? m.horizontalAdvance(labels.value(i)) / 2.0 : m.height() / 2.0;
                const double start = horizontal ? at - half : -(at + half);
                if (start < lastEnd + 2)
                    problems << QString("tick labels %1 touch").arg(labels.value(i));
                lastEnd = start + 2 * half;
            }
        }
        for (QCPLayoutElement* e : {static_cast<QCPLayoutElement*>(massText_),
                                    static_cast<QCPLayoutElement*>(lifetimeText_),
                                    static_cast<QCPLayoutElement*>(legend_)})
            if (e->outerRect().intersects(r->rect()))
                problems << "a text or legend over the data";
    }
    if (legend_->minimumOuterSizeHint().width() > legend_->outerRect().width() + 1 ||
        legend_->minimumOuterSizeHint().height() > legend_->outerRect().height() + 1)
        problems << "the legend larger than its place";
    for (QCPTextElement* t : {massText_, lifetimeText_})
        for (const QString& line : t->text().split('\n'))
            if (QFontMetrics(t->font()).horizontalAdvance(line) > t->outerRect().width())
                problems << "a title wider than its plot: " + line;
    // The mass peak (with its error bars) reaches the top part of its plot.
    double top = 0;
    if (total_)
        for (auto it = total_->data()->constBegin(); it != total_->data()->constEnd(); ++it)
            top = std::max(top, it->value);
    const QCPRange massRange = massRect_->axis(QCPAxis::atLeft)->range();
    if (top > 0 && top < 0.7 * massRange.upper)
        problems << QString("the mass peak reaches %1 % of its plot's height")
                        .arg(qRound(100 * top / massRange.upper));
    if (plotArea < 0.4 * width() * height())
        problems << QString("the plots use %1 % of the area")
                        .arg(qRound(100 * plotArea / (width() * height())));
    return problems;
}

bool ClassResultsPlot::saveAs(const QString& path, QString* error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool ok = suffix == "pdf" ? plot_->savePdf(path) : plot_->savePng(path);
    if (!ok && error)
        *error = QFileInfo(QFileInfo(path).absolutePath()).isWritable()
                     ? QStringLiteral("cannot write %1").arg(path)
                     : QStringLiteral("%1: the folder cannot be written").arg(path);
    return ok;
}
