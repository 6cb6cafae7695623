#pragma once

// The step between labelled ticks of an axis `range` long drawn over `pixels`, when one label
// needs `labelPixels`: the smallest of 1, 2, 2.5, 5 times a power of ten that leaves at least
// one label's width free between neighbouring labels.
double tickStep(double range, double pixels, double labelPixels);
