#pragma once

#include "rootio/Graph.h"
#include "rootio/Histogram1D.h"
#include "rootio/TrackRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rootio {

struct KeyInfo {
    std::string name, title, className;
    int cycle = 0;
};

struct BranchInfo {
    std::string name;
    std::string typeName; // e.g. "double", "float", "int32", "bool", with "[N]" for fixed arrays
    int arrayLength = 1;
};

class FileReaderImpl;

// Reads a ROOT file. Every function throws rootio::Error on malformed, truncated or
// wrong-type input, naming the file and the problem.
class FileReader {
public:
    explicit FileReader(const std::string& path);
    // Reads a file image held in memory; `label` names it in error messages.
    FileReader(const std::string& label, std::vector<std::uint8_t> bytes);
    ~FileReader();
    FileReader(FileReader&&) noexcept;
    FileReader& operator=(FileReader&&) noexcept;

    const std::string& path() const;

    // Top directory, highest cycle per name.
    std::vector<KeyInfo> keys() const;
    // Keys of a subdirectory given as "dir" or "dir/sub".
    std::vector<KeyInfo> keys(const std::string& directory) const;
    bool has(const std::string& name) const;
    std::string className(const std::string& name) const;

    Histogram1D readHistogram(const std::string& name) const; // TH1F or TH1D
    Graph readGraph(const std::string& name) const;
    std::string readObjString(const std::string& name) const;

    long long treeEntries(const std::string& tree) const;
    std::vector<BranchInfo> branches(const std::string& tree) const;
    // Whole branch, basket by basket, converted to double (arrays flattened).
    std::vector<double> readColumn(const std::string& tree, const std::string& branch) const;
    // Branch "event" of an MCEvent tree.
    std::vector<TrackRecord> readEvent(const std::string& tree, long long entry) const;

    // String branches (TLeafC, TString members), one string per entry.
    std::vector<std::string> readStringColumn(const std::string& tree,
                                              const std::string& branch) const;
    // Numeric branch values entry by entry (arrays kept together).
    std::vector<std::vector<double>> readRows(const std::string& tree,
                                              const std::string& branch) const;

    // Names of the classes described in the file's StreamerInfo list.
    std::vector<std::string> streamerInfoClasses() const;

private:
    std::unique_ptr<FileReaderImpl> impl_;
};

} // namespace rootio
