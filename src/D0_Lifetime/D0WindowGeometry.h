#pragma once

#include <QRect>
#include <QSize>

// Where the D0 exercise's window goes: the display minus the exercise's margins, but never
// too small to work in, and never lower or wider than the screen's free area below y 30 and
// right of x 5 (a small screen scaled up by the desktop).
QRect d0WindowGeometry(const QSize& display, const QRect& available);
// The same for the primary screen; a 1280 x 1024 display without one.
QRect d0WindowGeometry();
