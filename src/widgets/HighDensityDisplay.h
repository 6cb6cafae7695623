#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace vexel {

// Turns on Qt's scaling for high-density displays: positions and sizes of the windows are
// device-independent pixels, and fractional desktop scales (150 %) are kept as they are.
// Call before the QApplication is made.
void enableHighDensityScaling();

// The picture at path, taken from its "name@2x.png" twin when the display has more than
// one device pixel per logical pixel and the twin exists. A null pixmap means missing.
QPixmap loadSharpPicture(const QString& path);

// picture scaled to fit logicalSize (in device-independent pixels), keeping its aspect
// ratio and as many device pixels as the display shows there.
QPixmap fitPicture(const QPixmap& picture, QSize logicalSize,
                   Qt::AspectRatioMode mode = Qt::KeepAspectRatio);

} // namespace vexel
