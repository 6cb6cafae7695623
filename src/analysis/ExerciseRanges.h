#pragma once

#include "analysis/CutRange.h"

// The ranges of both exercises, in one place.
namespace analysis::ExerciseRanges {

// D0 exercise: limits and initial values of the cut controls, and the ranges of the
// distributions drawn for them.
constexpr CutRange transverseMomentum{2.5f, 20.0f}; // GeV/c
constexpr CutRange decayTime{0.15f, 10.15f};        // ps
constexpr CutRange logImpactParameter{-4.0f, 1.5f}; // log10 of the impact parameter in mm

// D0 exercise: the candidate mass histogram, and the limits of the signal window and the
// background range (MeV/c^2).
constexpr CutRange candidateMass{1815.0f, 1915.0f};
constexpr int candidateMassBins = 200;

// Event exercise: a computed mass is added to the student's histogram when it lies within
// acceptedEventMass (edges included, compared in single precision); the histogram has
// eventMassHistogramBins bins over eventMassHistogram.
constexpr CutRange acceptedEventMass{1814.0f, 1915.0f};
constexpr CutRange eventMassHistogram{1815.0f, 1915.0f};
constexpr int eventMassHistogramBins = 50;

} // namespace analysis::ExerciseRanges
