#pragma once

#include "VxLumoTrack.h"

#include <string>

// Invariant mass (MeV/c^2) of two particles from their summed four-momenta, in double
// precision: sqrt(E*E - px*px - py*py - pz*pz). Not a number when E*E < p*p.
double invariantMass(const VxLumoTrack& a, const VxLumoTrack& b);

// Masses added to the histogram: 1814 <= mass <= 1915, compared in single precision.
// A mass that is not a number is refused.
constexpr float lowestAcceptedMass = 1814.0f;
constexpr float highestAcceptedMass = 1915.0f;
bool massAccepted(float mass);

// A value as the particle fields show it: "%.2lf".
std::string formatValue(double value);
