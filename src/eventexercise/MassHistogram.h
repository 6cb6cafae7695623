#pragma once

#include "analysis/Hist1D.h"
#include "rootio/Histogram1D.h"

#include <string>

// The student's mass histogram: "hist", titled "My histogram", 50 bins of 2 MeV/c^2
// from 1815 to 1915, no axis titles.
analysis::Hist1D makeMassHistogram();

// The histogram as stored on file: a TH1F (single precision) with under- and overflow,
// squared weights and entries.
rootio::Histogram1D massHistogramRecord(const analysis::Hist1D& hist);

// Output directory + "MassHistogram_" + histName. A slash in histName (it carries the
// student's details as typed) becomes "_", so the file stays in the output directory.
std::string massHistogramPath(const std::string& pathSave, const std::string& histName);

// Writes the histogram alone into path (compression level 1), replacing an existing file
// only once the new one is complete. Throws rootio::Error on failure.
void saveMassHistogram(const std::string& path, const analysis::Hist1D& hist);
