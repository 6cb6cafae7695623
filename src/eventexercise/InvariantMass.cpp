#include "InvariantMass.h"

#include "analysis/ExerciseRanges.h"

#include <cmath>
#include <cstdio>

double invariantMass(const VxLumoTrack& a, const VxLumoTrack& b) {
    const double E = a.E + b.E;
    const double px = a.px + b.px;
    const double py = a.py + b.py;
    const double pz = a.pz + b.pz;
    return std::sqrt(E * E - px * px - py * py - pz * pz);
}

bool massAccepted(float mass) {
    using analysis::ExerciseRanges::acceptedEventMass;
    return mass >= acceptedEventMass.min && mass <= acceptedEventMass.max;
}

std::string formatValue(double value) {
    // Large values have hundreds of digits: measure first.
    const int length = std::snprintf(nullptr, 0, "%.2lf", value);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.2lf", value);
    return text;
}
