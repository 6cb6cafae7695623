#include "TickStep.h"

#include <cmath>
#include <initializer_list>

double tickStep(double range, double pixels, double labelPixels) {
    if (!(range > 0) || !(pixels > 0))
        return range > 0 ? range : 1.0;
    const double minStep = range * 2.0 * labelPixels / pixels;
    double decade = std::pow(10.0, std::floor(std::log10(minStep > 0 ? minStep : range)));
    for (;; decade *= 10)
        for (double m : {1.0, 2.0, 2.5, 5.0})
            if (m * decade >= minStep)
                return m * decade;
}
