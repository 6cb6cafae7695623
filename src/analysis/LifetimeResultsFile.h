#pragma once

#include "analysis/MassFitter.h"
#include "analysis/TrendPoint.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rootio {
class FileReader;
}

namespace analysis {

// One saved lifetime result: the trend id (which cut edge was studied), the cut's edges at
// save time and the lifetime with its error in ps, as the result fields showed them.
struct SavedLifetime {
    int trend = 0;
    double cutMin = 0, cutMax = 0;
    double lifetime = 0, error = 0;
};

// The last mass fit of the run.
struct SavedMassFit {
    double mean = 0, meanError = 0;    // MeV/c^2
    double sigma = 0, sigmaError = 0;  // MeV/c^2
    double signal = 0, background = 0; // candidates in the signal window
};

// What a "D0Lifetime_..." file holds.
//   tree "LifetimeResults": one entry per saved result, double branches
//        trend, cutMin, cutMax, lifetime, lifetimeError;
//   tree "MassFit": one entry (none before the first mass fit), double branches
//        mean, meanError, sigma, sigmaError, signal, background.
struct LifetimeResults {
    std::vector<SavedLifetime> lifetimes;
    std::optional<SavedMassFit> massFit;
};

namespace lifetimefile {
extern const char* const kResultsTree;
extern const char* const kMassFitTree;
} // namespace lifetimefile

// The saved points of every trend (ids in increasing order, each in saving order).
LifetimeResults lifetimeResultsFrom(const std::map<int, std::vector<TrendPoint>>& saved,
                                    const std::optional<MassFitResult>& lastMassFit);
SavedMassFit savedMassFit(const MassFitResult& fit);

// Writes the file atomically (temporary file in the same directory, then rename). Throws
// rootio::Error on failure and leaves an existing file intact.
void writeLifetimeResults(const std::string& path, const LifetimeResults& results);

// Reads a file written by writeLifetimeResults. Throws rootio::Error when the file is not a
// ROOT file, is damaged, or lacks the results tree or one of its branches.
LifetimeResults readLifetimeResults(const std::string& path);
// The same for a file already open.
LifetimeResults readLifetimeResults(const rootio::FileReader& file);

} // namespace analysis
