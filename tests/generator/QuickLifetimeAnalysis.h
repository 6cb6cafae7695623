#pragma once

#include <vector>

// A small independent re-implementation of the exercise's lifetime measurement, used to check
// the candidate file: a straight line fitted to the mass sidebands gives the background under
// the signal window; the sideband decay-time histogram, scaled by that ratio, is subtracted
// from the signal-window one (100 bins over 0.15 ... 10.15 ps) and an exponential is fitted
// by chi-square (bins with zero error left out).
struct QuickLifetimeCuts {
    double ptMin = 2.5, ptMax = 20.0;       // GeV/c
    double tauMin = 0.15, tauMax = 10.15;   // ps
    double logIPMin = -4.0, logIPMax = 1.5; // log10(mm)
};

struct QuickLifetimeResult {
    double tau = 0, tauError = 0; // ps
    double scaleFactor = 0;
    bool converged = false;
};

QuickLifetimeResult quickLifetime(const std::vector<double>& mm, const std::vector<double>& pt,
                                  const std::vector<double>& tauNs,
                                  const std::vector<double>& minip, const QuickLifetimeCuts& cuts,
                                  double signalMin, double signalMax);
