#pragma once

#include "analysis/D0Analysis.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

namespace vexel {
class Canvas;
}

// Drawing of the D0 exercise's results on its canvases; the numbers come from the analysis.
namespace D0ExerciseDrawing {

// Colours of the plots: blue+1, red+1, green+1, blue, red.
extern const QColor kFitBlue, kLineRed, kFitGreen, kSignalBlue, kBackgroundRed;

// The words drawn on the plots, in the exercise's language; %1 is the number.
struct PlotWords {
    QString total, background, signal, mean; // "Total: %1" ... "Mean: %1"
    QString lifetime;                        // "D^{0} lifetime %1 (ps)"
    QString backgroundLegend, signalLegend;
    // The axis title the analysis gives a plot, in the language.
    std::function<QString(const QString&)> axis;
    QChar decimalSign = '.'; // of the numbers in the texts
};

// The five lines under the mass fit: Total, Background, Signal, Mean, #sigma.
QStringList massFitTexts(const analysis::MassFitResult& fit, const PlotWords& words);
// "D^{0} lifetime %.4f #pm %.4f (ps)".
QString lifetimeText(double tau, double tauError, const PlotWords& words);

// Pad 1 of the mass canvas: the histogram with the y range fixed to 0 ... 1000.
void drawMassHistogram(vexel::Canvas& canvas, const analysis::Hist1D& mass, const PlotWords& words);
// The fitted model and its background line over the histogram, with the five text lines.
void drawMassFit(vexel::Canvas& canvas, const analysis::MassFitter& model,
                 const analysis::MassFitResult& fit, const PlotWords& words);
// Pads 2 ... 4: normalised signal and background of PT, decay time and impact parameter.
void drawDistributions(vexel::Canvas& canvas, const analysis::D0Histograms& histograms,
                       const PlotWords& words);
// Pad 1 of the fit canvas: the decay-time histogram, the fitted exponential, the lifetime.
void drawLifetimeFit(vexel::Canvas& canvas, const analysis::Hist1D& decayTime,
                     const analysis::LifetimeFitResult& fit, const PlotWords& words);
// The trend graph on the given sub-pad.
void drawTrend(vexel::Canvas& canvas, const analysis::TrendPlot& plot, unsigned pad,
               const PlotWords& words);

} // namespace D0ExerciseDrawing
