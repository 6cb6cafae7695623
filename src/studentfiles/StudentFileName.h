#pragma once

#include "studentfiles/Combinations.h"

#include <optional>
#include <string>

// How a student's saved files are named, for the exercises that write them and for the class
// results that read them back.
namespace studentfiles {

// The two kinds of file a student saves.
enum class StudentFileKind { MassHistogram, LifetimeResults };

extern const char* const kMassHistogramPrefix; // "MassHistogram_"
extern const char* const kLifetimePrefix;      // "D0Lifetime_"

// What a student's file name says: "MassHistogram_<combination>_<identity>.root" or
// "D0Lifetime_<combination>_<identity>.root", the identity being "name_surname_grade".
struct StudentFileName {
    StudentFileKind kind = StudentFileKind::MassHistogram;
    int combination = 0;  // 1 ... kCombinations
    std::string identity; // "name_surname_grade" as typed
    // The identity split at its underscores when it has exactly three parts, else empty.
    std::string name, surname, grade;
};

// Output directory + the kind's prefix + tail, where a slash or NUL in the tail becomes "_",
// so the file stays in the output directory.
std::string studentFilePath(const std::string& outputDir, StudentFileKind kind,
                            const std::string& tail);
// Output directory + "D0Lifetime_" + combination + "_" + identity + ".root".
std::string lifetimeResultsPath(const std::string& outputDir, int combination,
                                const std::string& identity);

// Whether the file name (no directory) starts like a student's file of either kind.
bool looksLikeStudentFile(const std::string& fileName);
// The parts of a student's file name; none when it does not follow the pattern (or the
// combination is not 1 ... kCombinations).
std::optional<StudentFileName> parseStudentFileName(const std::string& fileName);

} // namespace studentfiles
