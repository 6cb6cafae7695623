#pragma once

#include "CanvasPad.h"
#include "DrawStyle.h"
#include "rootio/Graph.h"
#include "rootio/Histogram1D.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QCustomPlot;
class QCPAxisRect;
class QCPGraph;
class QCPErrorBars;
class QCPLegend;
class QCPAbstractItem;

namespace analysis {
class Hist1D;
}

namespace vexel {

// A plotting surface divided into pads (one QCustomPlot with a grid of axis rects), in the
// manner of a canvas: divide it, make a pad current with cd(i), draw into the current pad.
// Pads are numbered 1 ... N row by row from the top left. What a pad shows and its axis
// arithmetic live in a CanvasPad; this widget draws it and saves it through CanvasExport.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(const QString& name = QString(), QWidget* parent = nullptr);
    ~Canvas() override;

    QCustomPlot* plot() const { return plot_; }

    // Replaces the pads by cols x rows empty pads with room of xMargin and yMargin (fractions
    // of the canvas) on each side; a single pad fills the canvas. Pad 1 becomes current.
    void divide(int cols, int rows, double xMargin = padstyle::kDivideMargin,
                double yMargin = padstyle::kDivideMargin);
    int padCount() const { return static_cast<int>(pads_.size()); }
    // Makes pad i (1 ... N) current; false (and nothing changes) when there is no such pad.
    bool cd(int pad);
    int currentPad() const { return current_ + 1; }
    // Removes everything drawn on pad i and its fixed ranges and titles; the log scale stays.
    void clearPad(int pad);
    void clear();

    // Draws a histogram on the current pad; without `same` the pad is cleared first and the
    // histogram's axis titles become the pad's.
    void drawHistogram(const analysis::Hist1D& h, const DrawStyle& style = {}, bool same = false);
    void drawHistogram(const rootio::Histogram1D& h, const DrawStyle& style = {},
                       bool same = false);
    // A curve sampled at `points` x values over xmin ... xmax; drawn over the pad's content.
    void drawFunction(const QString& name, const std::function<double(double)>& f, double xmin,
                      double xmax, const QColor& color, double lineWidth = 2.0, int points = 400);
    // Points with y errors as markers and error bars (a graph drawn with axes), clearing the
    // pad first.
    void drawGraph(const QString& name, const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& yErrors, const DrawStyle& style);

    // Properties of the current pad.
    void setLogY(bool log);
    bool logY() const;
    void setXRange(double min, double max);
    void setYRange(double min, double max);
    // LaTeX-style axis titles.
    void setAxisTitles(const QString& xTitle, const QString& yTitle);
    QString xTitle() const;
    QString yTitle() const;
    // LaTeX-style text with its lower left corner at (x, y) in normalised pad coordinates;
    // size as a fraction of the pad height.
    void drawText(double x, double y, const QString& latex, double size = 0.04,
                  const QColor& color = Qt::black);
    // A legend inside the current pad between the corners (x1, y1) and (x2, y2) in normalised
    // pad coordinates, listing drawn items of the pad by index (in drawing order) with labels.
    void addLegend(double x1, double y1, double x2, double y2,
                   const std::vector<std::pair<int, QString>>& entries, double textSize = 0.05);

    // Whether the student may drag and zoom the pads.
    void setEditable(bool editable);
    bool editable() const { return editable_; }

    // Redraws (after drawing; cheap when nothing changed).
    void update();

    // What pad i shows, for saving and for tests.
    std::vector<rootio::Histogram1D> padHistograms(int pad) const;
    std::vector<rootio::Graph> padCurves(int pad) const;
    // Texts drawn on pad i (LaTeX-style, as given).
    QStringList padTexts(int pad) const;
    int padLegendCount(int pad) const;
    std::optional<HistogramStatistics> padStatistics(int pad) const;

    // Saves the whole canvas; the format follows the extension (.png, .pdf, .eps, .root).
    // On failure returns false and puts the reason into *error.
    bool saveAs(const QString& path, QString* error = nullptr);
    bool savePng(const QString& path, QString* error = nullptr);
    bool savePdf(const QString& path, QString* error = nullptr);
    bool saveEps(const QString& path, QString* error = nullptr);
    bool saveRoot(const QString& path, QString* error = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Pad;
    Pad& pad();
    const Pad& pad() const;
    const Pad* padAt(int pad) const;
    // The size of one pad in pixels.
    QSizeF padSize() const;
    void styleAxisRect(QCPAxisRect* rect);
    void applyFontSizes();
    void rescale(Pad& p);
    void clearPad(Pad& p);
    // Puts the last item of the pad's model on the plot, drawn by `graph` (and `errors`).
    void addDrawn(Pad& p, QCPGraph* graph, QCPErrorBars* errors);

    QCustomPlot* plot_;
    std::vector<std::unique_ptr<Pad>> pads_;
    int current_ = 0;
    double xMargin_ = 0, yMargin_ = 0;
    bool editable_ = false;
};

} // namespace vexel
