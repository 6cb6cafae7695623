#pragma once

#include <optional>
#include <string>

namespace classroom {

// The two kinds of file a student saves.
enum class StudentFileKind { MassHistogram, LifetimeResults };

// What a student's file name says: "MassHistogram_<combination>_<identity>.root" or
// "D0Lifetime_<combination>_<identity>.root", the identity being "name_surname_grade".
struct StudentFileName {
    StudentFileKind kind = StudentFileKind::MassHistogram;
    int combination = 0;  // 1 ... kCombinations
    std::string identity; // "name_surname_grade" as typed
    // The identity split at its underscores when it has exactly three parts, else empty.
    std::string name, surname, grade;
};

constexpr int kCombinations = 175;

// Whether the file name (no directory) starts like a student's file of either kind.
bool looksLikeStudentFile(const std::string& fileName);
// The parts of a student's file name; none when it does not follow the pattern (or the
// combination is not 1 ... kCombinations).
std::optional<StudentFileName> parseStudentFileName(const std::string& fileName);

} // namespace classroom
