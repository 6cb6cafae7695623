#pragma once

#include <QColor>

namespace vexel {

// How a histogram or graph is drawn.
struct DrawStyle {
    enum class Look { Steps, Markers };
    Look look = Look::Steps;
    QColor color = Qt::black;
    // 20 full circle, 24 open circle, 26 open triangle.
    int markerStyle = 24;
    // Marker size in pixels.
    double markerSize = 7.0;
    double lineWidth = 1.0;
    // Error bars on markers.
    bool errors = true;
    // A statistics box (name, Entries, Mean, RMS) in the pad's top right corner.
    bool statistics = false;
};

// A marker size of the plot style in pixels: size 1 is a marker 8 pixels across.
constexpr double markerPixels(double size) {
    return 8.0 * size;
}

} // namespace vexel
