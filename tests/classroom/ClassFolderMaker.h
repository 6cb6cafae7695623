#pragma once

#include "analysis/Hist1D.h"
#include "analysis/LifetimeResultsFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace classtest {

// A student's saved work, written with the program's own writers.
struct StudentWork {
    std::string identity; // "name_surname_grade"
    int combination = 1;
    std::string subfolder; // relative to the class folder, may be empty
    std::vector<double> masses;
    analysis::LifetimeResults lifetimes; // written when it holds results
};

// Deterministic masses: a Gaussian peak (mean 1864.84, sigma 7) on a flat background.
std::vector<double> studentMasses(unsigned seed, int signal, int background);

// Writes MassHistogram_<combination>_<identity>.root (and D0Lifetime_... when there are
// lifetimes) into root/subfolder. Returns the histogram file's path.
std::filesystem::path writeStudentWork(const std::filesystem::path& root, const StudentWork& work);

// The histogram a student's masses make.
analysis::Hist1D studentHistogram(const std::vector<double>& masses);

// The test class of 25 students: combinations 1, 8, 15, ...; every fourth in a subfolder;
// students 0 ... 9 with saved lifetimes for three upper IP cuts (student 3 twice at one cut),
// students 0 ... 3 also for one lower PT cut.
std::vector<StudentWork> testClass();

} // namespace classtest
