#pragma once

#include "analysis/CandidateColumns.h"

#include <stdexcept>
#include <string>

namespace analysis {

// A candidate file that cannot be used; what() names the file and what is wrong.
class CandidateFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
