#pragma once

#include "classroom/ClassLabel.h"
#include "classroom/ClassSummary.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace classroom {

// The format version this program writes and the newest it reads.
constexpr int kClassExportFormat = 1;
// The key whose TObjString holds the format version: what marks a file as a class export.
extern const char* const kClassExportKey; // "VexelLumoraClassExport"

// What a class export holds about the class.
struct ClassExportContent {
    ClassLabel label;
    long long written = 0; // when it was written, nanoseconds since the epoch
    std::vector<StudentRow> students;
    std::map<int, std::vector<StudentLifetimePoint>> points; // by trend id
};

// One ROOT file for the class:
//   TObjString "VexelLumoraClassExport"  the format version ("1")
//   TObjString "school", "className", "date", "written" (nanoseconds since the epoch)
//   TObjString "students"     the students' identities, one a line, in the order of "Students"
//   TH1D "classMass"          the class's mass histogram (each combination once, unless the
//                             teacher counts every file)
//   TGraph "classMassFit"     the fitted model over 1815 ... 1915 (when the fit succeeded)
//   tree "ClassMassFit"       one entry: histograms, entries, mean, meanError, sigma,
//                             sigmaError, signal, background, trueMass (empty without a fit)
//   tree "Students"           one entry a student and combination: combination, entries (-1:
//                             no histogram), lifetimesSaved, saved (seconds since the epoch),
//                             sharesCombination, counted
//   directory "studentMass"   TH1F "student<i>": the histogram of entry i of "Students"
//   tree "ClassLifetimes"     one entry per trend and cut: trend, cut, mean, spread (standard
//                             deviation of the students' values), lowest, highest,
//                             analysisError (median fit error of one analysis), students,
//                             trueLifetime
//   tree "StudentLifetimes"   one entry per saved point: student (entry of "Students"), trend,
//                             combination, cut, lifetime, error
// Written atomically; throws rootio::Error on failure.
void writeClassExport(const std::string& path, const ClassSummary& summary, const ClassLabel& label,
                      long long written);

// A class export read back, or why it cannot be used (NotRootFile, Damaged, ForeignFile,
// NewerFormat, Unreadable) with the detail in English. Never throws.
struct ClassExportRead {
    std::optional<ClassExportContent> content;
    UnusedReason reason = UnusedReason::None;
    std::string detail;
};
ClassExportRead readClassExport(const std::string& path);

} // namespace classroom
