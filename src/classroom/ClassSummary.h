#pragma once

#include "analysis/Hist1D.h"
#include "analysis/MassFitter.h"
#include "classroom/StudentFileCheck.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace classroom {

constexpr double kTrueD0Mass = 1864.84;    // MeV/c^2
constexpr double kTrueD0Lifetime = 0.4101; // ps

// What happens when two students analysed the same combination: its events would be in the
// class histogram twice.
enum class DuplicateRule {
    CountOnce,      // the first of them saved counts, the others are flagged and left out
    CountEveryFile, // every file counts (flagged all the same)
};

// One line of the students' table: a student on one combination.
struct StudentRow {
    std::string classFolder; // the class (folder, or label of an export) the row belongs to
    std::string identity, name, surname, grade;
    int combination = 0;
    std::optional<double> entries; // of the mass histogram, when there is one
    int lifetimesSaved = 0;
    std::string massFile, lifetimeFile;           // paths of the files used, or empty
    std::optional<rootio::Histogram1D> histogram; // the student's mass histogram
    long long saved = 0; // when the mass histogram was saved, nanoseconds since the epoch
    // Another student's mass histogram is on the same combination.
    bool sharesCombination = false;
    // Whether the histogram is in the sum (false: the same combination counted already).
    bool counted = true;
};

// One student's saved lifetime at one cut value of a trend.
struct StudentLifetimePoint {
    std::string identity;
    int combination = 0;
    double cut = 0; // the trended cut edge
    double lifetime = 0, error = 0;
};

// The class's lifetime at one cut value. The students analyse the same candidates, so their
// values differ only by their choices: the spread of their values (standard deviation, lowest
// and highest) is given beside the statistical error of one analysis (the median of their fit
// errors); no error of the mean is claimed.
struct ClassLifetimeAtCut {
    double cut = 0;
    double mean = 0;
    double spread = 0; // standard deviation of the students' values (0 for one student)
    double lowest = 0, highest = 0;
    double analysisError = 0; // statistical error of one analysis
    int students = 0;
};

struct TrendSummary {
    int trend = 0; // trend id, as saved by the students
    std::vector<StudentLifetimePoint> points;
    std::vector<ClassLifetimeAtCut> classMeans; // in increasing cut order
};

struct UsedFile {
    std::string path;
    studentfiles::StudentFileName name;
};

struct UnusedFile {
    std::string path;
    UnusedReason reason = UnusedReason::None;
    std::string detail;
};

// What the class's files add up to.
struct ClassSummary {
    DuplicateRule rule = DuplicateRule::CountOnce;
    std::vector<UsedFile> used;
    std::vector<UnusedFile> unused;
    analysis::Hist1D massHistogram{"classMass", "Class D0 mass", kMassBins, kMassMin, kMassMax};
    int histogramsUsed = 0;
    analysis::MassFitResult massFit; // massFit.fit.valid false when it could not be fitted
    std::vector<StudentRow> students;
    std::vector<TrendSummary> trends; // by trend id
    std::set<int> combinationsUsed;
    std::set<int> combinationsTwice; // combinations of more than one student's histogram

    double totalEntries() const { return massHistogram.entries(); }
    // The fitted mass model at x (only meaningful with a valid fit).
    double fittedMassModel(double x) const;
};

// The students' rows and saved lifetimes of a class folder's files, before adding up.
struct ClassRows {
    std::vector<StudentRow> rows;
    std::map<int, std::vector<StudentLifetimePoint>> points; // by trend id
    std::vector<UsedFile> used;
    std::vector<UnusedFile> unused;
};
ClassRows collectRows(const std::map<std::string, CheckedFile>& files,
                      const std::string& classFolder = {});

// Adds up the valid files (superseded ones left out) of the class folder and fits the
// class's mass peak.
ClassSummary summarize(const std::map<std::string, CheckedFile>& files,
                       const std::string& classFolder = {},
                       DuplicateRule rule = DuplicateRule::CountOnce);

// Adds up students' rows and saved lifetimes (by trend id): flags rows on the same
// combination, sums the histograms that count under `rule`, fits the mass peak, gives the
// lifetime at each cut.
ClassSummary summarizeRows(std::vector<StudentRow> rows,
                           std::map<int, std::vector<StudentLifetimePoint>> points,
                           DuplicateRule rule);

} // namespace classroom
