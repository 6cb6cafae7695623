#pragma once

#include "analysis/CandidateColumns.h"

#include <stdexcept>
#include <string>

namespace analysis {

// A candidate file that cannot be used; what() names the file and what is wrong, problem()
// says it as a value.
class CandidateFileError : public std::runtime_error {
public:
    enum class Problem {
        Missing,       // no such file
        Unreadable,    // exists but cannot be read
        NotRootFile,   // not a ROOT file, or its header or keys are damaged
        Damaged,       // opened, but reading the tree failed (truncated, corrupt)
        NoTree,        // no object "DecayTree"
        NotATree,      // "DecayTree" is an object of another class
        MissingBranch, // branch() names it
        BadBranch,     // not one number per candidate; branch() names it when one is to blame
    };

    CandidateFileError(const std::string& message, Problem problem, std::string branch = {})
        : std::runtime_error(message), problem_(problem), branch_(std::move(branch)) {}
    Problem problem() const { return problem_; }
    const std::string& branch() const { return branch_; }
    // The file could not be opened as a ROOT file at all (missing, unreadable, not ROOT).
    bool cannotOpen() const {
        return problem_ == Problem::Missing || problem_ == Problem::Unreadable ||
               problem_ == Problem::NotRootFile;
    }

private:
    Problem problem_;
    std::string branch_;
};

// Reads the four candidate columns of tree "DecayTree" from a ROOT file, once.
class CandidateFileLoader {
public:
    static constexpr const char* kTreeName = "DecayTree";

    // Throws CandidateFileError when the file cannot be read, has no tree "DecayTree" or
    // lacks one of D0_MM, D0_PT, D0_TAU, D0_MINIP.
    static CandidateColumns load(const std::string& path);
};

} // namespace analysis
