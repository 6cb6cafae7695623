#pragma once

#include <QString>
#include <vector>

class QCustomPlot;

namespace vexel {

class CanvasPad;

// Saving a canvas. Every file is written under a temporary name in the target's directory
// and renamed over the target once it is complete, so a failed save leaves an earlier file of
// that name as it was. Each returns false on failure with the reason in *error.
namespace CanvasExport {

// Pictures of the whole plot at its size on screen (700 x 500 when never shown).
bool savePng(QCustomPlot& plot, const QString& path, QString* error);
bool savePdf(QCustomPlot& plot, const QString& path, QString* error);
// The PDF picture rendered by poppler onto cairo's EPS surface, at most 20 x 26 cm.
bool saveEps(QCustomPlot& plot, const QString& path, QString* error);
// The pads' histograms (TH1D) and curves (TGraph) as a ROOT file; a name used before gets the
// pad number and a counter.
bool saveRoot(const std::vector<const CanvasPad*>& pads, const QString& path, QString* error);

} // namespace CanvasExport
} // namespace vexel
