#include "analysis/CandidateFileLoader.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace analysis {

CandidateColumns CandidateFileLoader::load(const std::string& path) {
    const std::string label = rootio::Error::fileLabel(path);
    std::unique_ptr<rootio::FileReader> opened;
    try {
        opened = std::make_unique<rootio::FileReader>(path);
    } catch (const rootio::Error& e) {
        throw CandidateFileError(e.what(), true);
    }
    try {
        const rootio::FileReader& reader = *opened;
        if (!reader.has(kTreeName) || reader.className(kTreeName) != "TTree")
            throw CandidateFileError(label + ": no tree \"" + kTreeName + "\"");
        const auto branches = reader.branches(kTreeName);
        const std::array<const char*, 4> names{"D0_MM", "D0_PT", "D0_TAU", "D0_MINIP"};
        std::array<std::vector<double>, 4> columns;
        for (std::size_t k = 0; k < names.size(); ++k) {
            const auto it =
                std::find_if(branches.begin(), branches.end(),
                             [&](const rootio::BranchInfo& b) { return b.name == names[k]; });
            if (it == branches.end())
                throw CandidateFileError(label + ": tree \"" + kTreeName + "\" has no branch \"" +
                                         names[k] + "\"");
            if (it->arrayLength != 1)
                throw CandidateFileError(label + ": branch \"" + names[k] +
                                         "\" holds more than one value per candidate");
            columns[k] = reader.readColumn(kTreeName, names[k]);
        }
        return CandidateColumns(std::move(columns[0]), std::move(columns[1]), std::move(columns[2]),
                                std::move(columns[3]));
    } catch (const rootio::Error& e) {
        throw CandidateFileError(e.what());
    } catch (const std::invalid_argument&) {
        throw CandidateFileError(label + ": the branches of \"" + std::string(kTreeName) +
                                 "\" have different numbers of entries");
    }
}

} // namespace analysis
