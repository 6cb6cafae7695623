#pragma once

#include "analysis/ExerciseRanges.h"
#include "analysis/LifetimeResultsFile.h"
#include "rootio/Histogram1D.h"
#include "studentfiles/StudentFileName.h"

#include <optional>
#include <string>

namespace classroom {

// Why a file looked at is not part of the class's results.
enum class UnusedReason {
    None,
    NotNamedLikeStudentFile, // a .root file of another name, or a name that does not parse
    NotRootFile,
    Damaged,      // a ROOT file that cannot be read to the end: truncated or corrupted
    WrongBinning, // a histogram "hist" that is not 50 bins from 1815 to 1915
    ForeignFile,  // a ROOT file without the objects a student's file holds
    Unreadable,   // cannot be opened (permissions)
    Superseded,   // an older copy of the same student's file for the same combination
                  // (or an older export of the same class)
    NewerFormat,  // a class export written in a format newer than this program reads
};
constexpr int kUnusedReasons = 10;

// A file as found on disk and judged.
struct CheckedFile {
    std::string path;
    std::optional<studentfiles::StudentFileName> name;
    UnusedReason reason = UnusedReason::None; // None: valid
    std::string detail;                       // what exactly is wrong, in English
    // Valid mass histograms: the TH1F "hist"; valid lifetime files: their results.
    std::optional<rootio::Histogram1D> histogram;
    std::optional<analysis::LifetimeResults> lifetimes;
    long long modified = 0; // modification time, nanoseconds since the epoch
    long long size = 0;

    bool valid() const { return reason == UnusedReason::None; }
};

// The binning of the students' mass histogram.
constexpr int kMassBins = analysis::ExerciseRanges::eventMassHistogramBins;
constexpr double kMassMin = analysis::ExerciseRanges::eventMassHistogram.min;
constexpr double kMassMax = analysis::ExerciseRanges::eventMassHistogram.max;

// Whether the file can be opened and starts like a ROOT file: None, Unreadable or NotRootFile.
UnusedReason rootFileStart(const std::string& path);

// Reads and judges one file. Never throws: every problem becomes the reason.
CheckedFile checkStudentFile(const std::string& path);

// Short English name of a reason ("truncated or damaged", ...).
const char* reasonText(UnusedReason reason);

} // namespace classroom
