#include "D0ExerciseDrawing.h"

#include "Canvas.h"

#include <cstdio>

namespace D0ExerciseDrawing {

const QColor kFitBlue(0, 0, 204);
const QColor kLineRed(204, 0, 0);
const QColor kFitGreen(0, 204, 0);
const QColor kSignalBlue(0, 0, 255);
const QColor kBackgroundRed(255, 0, 0);

namespace {

QString format(const char* pattern, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b);
    return QString::fromLatin1(text);
}

vexel::DrawStyle markers(const QColor& colour, int markerStyle) {
    vexel::DrawStyle style;
    style.look = vexel::DrawStyle::Look::Markers;
    style.color = colour;
    style.markerStyle = markerStyle;
    style.markerSize = vexel::markerPixels(0.5);
    return style;
}

} // namespace

QStringList massFitTexts(const analysis::MassFitResult& fit) {
    const auto& p = fit.fit.parameters;
    const auto& e = fit.fit.errors;
    return {QString("Total: %1").arg(fit.total), QString("Background: %1").arg(fit.background),
            QString("Signal: %1").arg(fit.total - fit.background),
            format("Mean: %.1f#pm%.1f", p.at(1), e.at(1)),
            format("#sigma: %.1f#pm%.1f", p.at(2), e.at(2))};
}

QString lifetimeText(double tau, double tauError) {
    return format("D^{0} lifetime %.4f #pm %.4f (ps)", tau, tauError);
}

void drawMassHistogram(vexel::Canvas& canvas, const analysis::Hist1D& mass) {
    canvas.cd(1);
    canvas.drawHistogram(mass, markers(Qt::black, 24));
    canvas.setYRange(0, 1000);
}

void drawMassFit(vexel::Canvas& canvas, const analysis::MassFitter& model,
                 const analysis::MassFitResult& fit) {
    canvas.cd(1);
    canvas.drawFunction(
        "fitGaus", [&model](double x) { return model.modelValue(x); }, fit.rangeLow, fit.rangeHigh,
        kFitBlue, 2);
    const QStringList lines = massFitTexts(fit);
    for (int k = 0; k < lines.size(); ++k)
        canvas.drawText(0.15, 0.825 - k * 0.05, lines[k], 0.04, Qt::black);
    canvas.drawFunction(
        "fitPoly", [&model](double x) { return model.backgroundValue(x); }, fit.rangeLow,
        fit.rangeHigh, kLineRed, 2);
}

void drawDistributions(vexel::Canvas& canvas, const analysis::D0Histograms& histograms) {
    struct PadContent {
        int pad;
        const analysis::Hist1D* signal;
        const analysis::Hist1D* background;
        bool signalFirst;
        double legendX1, legendX2;
    };
    const PadContent pads[] = {
        {2, histograms.ptSignal.get(), histograms.ptBackground.get(), false, 0.575, 0.875},
        {3, histograms.decayTimeSignal.get(), histograms.decayTimeBackground.get(), false, 0.575,
         0.875},
        {4, histograms.logIPSignal.get(), histograms.logIPBackground.get(), true, 0.175, 0.375},
    };
    for (const PadContent& c : pads) {
        if (!c.signal || !c.background)
            continue;
        canvas.cd(c.pad);
        canvas.clearPad(c.pad);
        canvas.setLogY(true);
        // Drawn copies sum to 1; a histogram that sums to zero cannot be drawn.
        const auto signal = c.signal->normalised();
        const auto background = c.background->normalised();
        int drawn = 0, signalIndex = -1, backgroundIndex = -1;
        auto draw = [&](const std::optional<analysis::Hist1D>& h, const QColor& colour, int marker,
                        int& index) {
            if (!h)
                return;
            canvas.drawHistogram(*h, markers(colour, marker), drawn > 0);
            index = drawn++;
        };
        if (c.signalFirst) {
            draw(signal, kSignalBlue, 26, signalIndex);
            draw(background, kBackgroundRed, 24, backgroundIndex);
        } else {
            draw(background, kBackgroundRed, 24, backgroundIndex);
            draw(signal, kSignalBlue, 26, signalIndex);
        }
        std::vector<std::pair<int, QString>> entries;
        if (backgroundIndex >= 0)
            entries.emplace_back(backgroundIndex, "Background");
        if (signalIndex >= 0)
            entries.emplace_back(signalIndex, "Signal");
        if (!entries.empty())
            canvas.addLegend(c.legendX1, 0.725, c.legendX2, 0.875, entries, 0.05);
    }
}

void drawLifetimeFit(vexel::Canvas& canvas, const analysis::Hist1D& decayTime,
                     const analysis::LifetimeFitResult& fit) {
    canvas.cd(1);
    canvas.drawHistogram(decayTime, markers(kBackgroundRed, 24));
    canvas.drawFunction(
        "fitExpo", [&fit](double t) { return fit.value(t); }, fit.rangeLow, fit.rangeHigh,
        kFitGreen, 2);
    canvas.setLogY(true);
    canvas.drawText(0.35, 0.8, lifetimeText(fit.tau, fit.tauError), 0.04, Qt::black);
}

void drawTrend(vexel::Canvas& canvas, const analysis::TrendPlot& plot, unsigned pad) {
    canvas.cd(static_cast<int>(pad));
    canvas.setLogY(false);
    std::vector<double> x, y, yErrors;
    for (const auto& p : plot.points) {
        x.push_back(p.x);
        y.push_back(p.y);
        yErrors.push_back(p.yError);
    }
    canvas.drawGraph(QString("Trend%1").arg(plot.id), x, y, yErrors, markers(Qt::black, 24));
    canvas.setXRange(plot.trend->axisMin, plot.trend->axisMax);
    canvas.setYRange(analysis::kTrendYMin, analysis::kTrendYMax);
    canvas.setAxisTitles(QString::fromStdString(plot.trend->title), analysis::kTrendYTitle);
}

} // namespace D0ExerciseDrawing
