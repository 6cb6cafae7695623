#pragma once

#include "VxLumoTrack.h"

#include <string>

// Invariant mass (MeV/c^2) of two particles from their summed four-momenta, in double
// precision: sqrt(E*E - px*px - py*py - pz*pz). Not a number when E*E < p*p.
double invariantMass(const VxLumoTrack& a, const VxLumoTrack& b);

// A mass the histogram takes (analysis/ExerciseRanges.h); one that is not a number is
// refused.
bool massAccepted(float mass);

// A value as the particle fields show it: "%.2lf".
std::string formatValue(double value);
