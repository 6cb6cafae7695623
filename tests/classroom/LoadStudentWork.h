#pragma once

#include "analysis/LifetimeResultsFile.h"
#include "rootio/Histogram1D.h"

#include <optional>
#include <vector>

namespace classtest {

// What a student of the load test saves the n-th time (n from 0): n + 1 masses all in bin
// n % 50 of the mass histogram, and one lifetime, 0.3 + n * 1e-5 ps at upper cut n.
std::vector<double> loadHistogramMasses(int n);
analysis::LifetimeResults loadLifetimes(int n);

// The n of a histogram read back, or none when no save wrote it.
std::optional<int> loadSaveOfHistogram(const rootio::Histogram1D& histogram);
// The n of a saved lifetime read back (cut and value), or none when no save wrote it.
std::optional<int> loadSaveOfLifetime(double cut, double lifetime, double error);

} // namespace classtest
