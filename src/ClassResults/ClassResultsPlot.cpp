#include "ClassResultsPlot.h"

#include "Canvas.h"
#include "analysis/TrendAxis.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cstdio>

namespace {

const QColor kFitBlue(0, 0, 204);
const QColor kTrueGreen(0, 153, 0);
const QColor kClassRed(204, 0, 0);
const QColor kStudentGrey(130, 130, 130);

QString format(const char* pattern, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b);
    return QString::fromLatin1(text);
}

} // namespace

ClassResultsPlot::ClassResultsPlot(vexel::Canvas& canvas) : canvas_(canvas) {}

int ClassResultsPlot::defaultTrend(const classroom::ClassSummary& summary) {
    for (const auto& t : summary.trends)
        if (t.trend == 2)
            return 2;
    return summary.trends.empty() ? 0 : summary.trends.front().trend;
}

void ClassResultsPlot::draw(const classroom::ClassSummary& s, int trend,
                            const ClassResultsTexts& texts) {
    QCustomPlot* plot = canvas_.plot();
    for (QCPAbstractPlottable* p : classMeans_)
        if (plot->hasPlottable(p))
            plot->removePlottable(p);
    classMeans_.clear();
    if (trueMassLine_ && plot->hasItem(trueMassLine_))
        plot->removeItem(trueMassLine_);
    trueMassLine_ = nullptr;
    if (canvas_.padCount() != 2)
        canvas_.divide(2, 1);

    // The class's mass peak.
    canvas_.cd(1);
    vexel::DrawStyle points;
    points.look = vexel::DrawStyle::Look::Markers;
    points.markerStyle = 20;
    points.markerSize = 6;
    canvas_.drawHistogram(s.massHistogram, points);
    canvas_.setAxisTitles(texts.massPadTitle, texts.entriesAxis);
    double top = 1;
    for (int b = 1; b <= s.massHistogram.nbins(); ++b)
        top = std::max(top, s.massHistogram.binContent(b) + s.massHistogram.binError(b));
    canvas_.setYRange(0, top * 1.8);
    QStringList lines{QString("%1: %2").arg(texts.entries).arg(s.totalEntries())};
    if (s.massFit.fit.valid) {
        canvas_.drawFunction(
            "classMassFit", [&s](double x) { return s.fittedMassModel(x); }, s.massFit.rangeLow,
            s.massFit.rangeHigh, kFitBlue, 2);
        const auto& p = s.massFit.fit.parameters;
        const auto& e = s.massFit.fit.errors;
        lines << texts.mean + format(": %.2f#pm%.2f MeV/c^{2}", p[1], e[1])
              << format("#sigma: %.2f#pm%.2f MeV/c^{2}", p[2], e[2])
              << QString("%1: %2").arg(texts.signal).arg(s.massFit.signal);
    } else {
        lines << texts.noFit;
    }
    for (int k = 0; k < lines.size(); ++k)
        canvas_.drawText(0.15, 0.86 - k * 0.045, lines[k], 0.034, Qt::black);
    canvas_.drawText(0.15, 0.86 - lines.size() * 0.045, texts.trueMass, 0.034, kTrueGreen);
    if (plot->graphCount() > 0) {
        // A dashed line at the true mass, on the axes of the histogram just drawn.
        const QCPGraph* massGraph = plot->graph(plot->graphCount() - 1);
        auto* line = new QCPItemStraightLine(plot);
        line->setClipAxisRect(massGraph->keyAxis()->axisRect());
        for (QCPItemPosition* end : {line->point1, line->point2})
            end->setAxes(massGraph->keyAxis(), massGraph->valueAxis());
        line->point1->setCoords(classroom::kTrueD0Mass, 0);
        line->point2->setCoords(classroom::kTrueD0Mass, 1);
        line->setPen(QPen(kTrueGreen, 1.5, Qt::DashLine));
        trueMassLine_ = line;
    }

    // The lifetime trend.
    canvas_.cd(2);
    canvas_.clearPad(2);
    const auto shape = analysis::trendAxisFor(trend);
    const auto found = std::find_if(s.trends.begin(), s.trends.end(),
                                    [trend](const auto& t) { return t.trend == trend; });
    if (!shape || found == s.trends.end()) {
        canvas_.update();
        return;
    }
    std::vector<double> x, y, e;
    double low = classroom::kTrueD0Lifetime, high = low;
    for (const auto& p : found->points) {
        x.push_back(p.cut);
        y.push_back(p.lifetime);
        e.push_back(p.error);
        low = std::min(low, p.lifetime - p.error);
        high = std::max(high, p.lifetime + p.error);
    }
    vexel::DrawStyle students;
    students.look = vexel::DrawStyle::Look::Markers;
    students.color = kStudentGrey;
    students.markerStyle = 24;
    students.markerSize = 5;
    canvas_.drawGraph(texts.oneStudentPoints, x, y, e, students);
    canvas_.setAxisTitles(QString::fromStdString(shape->title), texts.lifetimeAxis);
    double xmin = shape->axisMin, xmax = shape->axisMax;
    for (double v : x) {
        xmin = std::min(xmin, v - 0.5);
        xmax = std::max(xmax, v + 0.5);
    }
    canvas_.setXRange(xmin, xmax);
    const double margin = std::max(0.005, (high - low) * 0.15);
    canvas_.setYRange(std::max(0.0, low - margin), high + 5 * margin);
    canvas_.drawFunction(
        "trueLifetime", [](double) { return classroom::kTrueD0Lifetime; }, xmin, xmax, kTrueGreen,
        2, 2);

    // Class means over the students' points, on the axes of the graph just drawn.
    QCPGraph* studentsGraph = plot->graph(plot->graphCount() - 1);
    auto* means = new QCPGraph(studentsGraph->keyAxis(), studentsGraph->valueAxis());
    means->setName(texts.classMean);
    means->setLineStyle(QCPGraph::lsLine);
    means->setPen(QPen(kClassRed, 1.5));
    means->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, kClassRed, kClassRed, 8));
    auto* bars = new QCPErrorBars(studentsGraph->keyAxis(), studentsGraph->valueAxis());
    bars->setPen(QPen(kClassRed, 2));
    bars->setWhiskerWidth(10);
    bars->removeFromLegend();
    QVector<double> mx, my, me;
    for (const auto& c : found->classMeans) {
        mx << c.cut;
        my << c.mean;
        me << c.standardError;
    }
    means->setData(mx, my, true);
    bars->setDataPlottable(means);
    bars->setData(me);
    classMeans_ = {means, bars};
    canvas_.drawText(0.15, 0.86, texts.trueLifetime, 0.034, kTrueGreen);
    canvas_.drawText(0.15, 0.815, texts.classMean, 0.034, kClassRed);
    canvas_.drawText(0.15, 0.77, texts.oneStudentPoints, 0.034, kStudentGrey);
    canvas_.update();
}
