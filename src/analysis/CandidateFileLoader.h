#pragma once

#include "analysis/CandidateColumns.h"

#include <stdexcept>
#include <string>

namespace analysis {

// A candidate file that cannot be used; what() names the file and what is wrong.
class CandidateFileError : public std::runtime_error {
public:
    explicit CandidateFileError(const std::string& message, bool cannotOpen = false)
        : std::runtime_error(message), cannotOpen_(cannotOpen) {}
    // The file could not be opened as a ROOT file at all (missing, unreadable, not ROOT).
    bool cannotOpen() const { return cannotOpen_; }

private:
    bool cannotOpen_;
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
