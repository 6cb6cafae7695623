#include "analysis/CandidateFileLoader.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace analysis {

namespace {

using Problem = CandidateFileError::Problem;

// Why a file could not be opened as a ROOT file.
Problem openProblem(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return Problem::Missing;
    if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary))
        return Problem::Unreadable;
    return Problem::NotRootFile;
}

} // namespace

CandidateColumns CandidateFileLoader::load(const std::string& path) {
    const std::string label = rootio::Error::fileLabel(path);
    std::unique_ptr<rootio::FileReader> opened;
    try {
        opened = std::make_unique<rootio::FileReader>(path);
    } catch (const rootio::Error& e) {
        throw CandidateFileError(e.what(), openProblem(path));
    }
    try {
        const rootio::FileReader& reader = *opened;
        if (!reader.has(kTreeName))
            throw CandidateFileError(label + ": no tree \"" + kTreeName + "\"", Problem::NoTree);
        if (reader.className(kTreeName) != "TTree")
            throw CandidateFileError(label + ": \"" + kTreeName + "\" is a " +
                                         reader.className(kTreeName) + ", not a tree",
                                     Problem::NotATree);
        const auto branches = reader.branches(kTreeName);
        const std::array<const char*, 4> names{"D0_MM", "D0_PT", "D0_TAU", "D0_MINIP"};
        std::array<std::vector<double>, 4> columns;
        for (std::size_t k = 0; k < names.size(); ++k) {
            const auto it =
                std::find_if(branches.begin(), branches.end(),
                             [&](const rootio::BranchInfo& b) { return b.name == names[k]; });
            if (it == branches.end())
                throw CandidateFileError(label + ": tree \"" + kTreeName + "\" has no branch \"" +
                                             names[k] + "\"",
                                         Problem::MissingBranch, names[k]);
            if (it->arrayLength != 1)
                throw CandidateFileError(label + ": branch \"" + names[k] +
                                             "\" holds more than one value per candidate",
                                         Problem::BadBranch, names[k]);
            columns[k] = reader.readColumn(kTreeName, names[k]);
        }
        return CandidateColumns(std::move(columns[0]), std::move(columns[1]), std::move(columns[2]),
                                std::move(columns[3]));
    } catch (const rootio::Error& e) {
        throw CandidateFileError(e.what(), Problem::Damaged);
    } catch (const std::invalid_argument&) {
        throw CandidateFileError(label + ": the branches of \"" + std::string(kTreeName) +
                                     "\" have different numbers of entries",
                                 Problem::BadBranch);
    }
}

} // namespace analysis
