#pragma once

#include "Language.h"
#include "analysis/CandidateFileLoader.h"

#include <QString>
#include <exception>
#include <string>

// Raised when the candidate file of the D0 exercise cannot be opened; what() is "Cannot open
// file " and the path, problem() and branch() say why.
class MissingDataFile : public std::exception {
public:
    using Problem = analysis::CandidateFileError::Problem;
    explicit MissingDataFile(std::string path, Problem problem = Problem::Missing,
                             std::string branch = {});
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& path() const { return path_; }
    Problem problem() const { return problem_; }
    const std::string& branch() const { return branch_; }
    // The message for the student: the file and the reason, in the given language.
    QString studentMessage(const vexel::Language& language) const;

private:
    std::string path_;
    std::string message_;
    Problem problem_;
    std::string branch_;
};
