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

// One line of the students' table: a student on one combination.
struct StudentRow {
    std::string classFolder; // the class folder the student's files were found in
    std::string identity, name, surname, grade;
    int combination = 0;
    std::optional<double> entries; // of the mass histogram, when there is one
    int lifetimesSaved = 0;
    std::string massFile, lifetimeFile; // paths of the files used, or empty
};

// One student's saved lifetime at one cut value of a trend.
struct StudentLifetimePoint {
    std::string identity;
    int combination = 0;
    double cut = 0; // the trended cut edge
    double lifetime = 0, error = 0;
};

// The class's lifetime at one cut value: the mean over students and its standard error
// (the spread of the students' values over the square root of their number; with a single
// student, that student's fit error).
struct ClassLifetimeAtCut {
    double cut = 0;
    double mean = 0, standardError = 0;
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
    std::vector<UsedFile> used;
    std::vector<UnusedFile> unused;
    analysis::Hist1D massHistogram{"classMass", "Class D0 mass", kMassBins, kMassMin, kMassMax};
    int histogramsUsed = 0;
    analysis::MassFitResult massFit; // massFit.fit.valid false when it could not be fitted
    std::vector<StudentRow> students;
    std::vector<TrendSummary> trends; // by trend id
    std::set<int> combinationsUsed;

    double totalEntries() const { return massHistogram.entries(); }
    // The fitted mass model at x (only meaningful with a valid fit).
    double fittedMassModel(double x) const;
};

// Adds up the valid files (superseded ones left out) of the class folder and fits the
// class's mass peak.
ClassSummary summarize(const std::map<std::string, CheckedFile>& files,
                       const std::string& classFolder = {});

} // namespace classroom
