#pragma once

#include "classroom/ClassSummary.h"

#include <string>

namespace classroom {

// The students' table as CSV (UTF-8, comma separated, quoted where needed), one line per
// student and combination, file paths relative to `root` when given. Written atomically;
// throws rootio::Error on failure.
void writeStudentsCsv(const std::string& path, const ClassSummary& summary,
                      const std::string& root = std::string());

// The class's results as a ROOT file:
//   TH1D "classMass"          the summed mass histogram
//   TGraph "classMassFit"     the fitted model over 1815 ... 1915 (when the fit succeeded)
//   tree "ClassMassFit"       one entry: histograms, entries, mean, meanError, sigma,
//                             sigmaError, signal, background, trueMass (empty without a fit)
//   tree "ClassLifetimes"     one entry per trend and cut value: trend, cut, mean,
//                             standardError, students, trueLifetime
//   tree "StudentLifetimes"   one entry per student's saved point: trend, combination, cut,
//                             lifetime, error
// Written atomically; throws rootio::Error on failure.
void writeClassRoot(const std::string& path, const ClassSummary& summary);

} // namespace classroom
