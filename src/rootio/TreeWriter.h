#pragma once

#include "rootio/FileAssembler.h"
#include "rootio/TrackRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rootio {

class WriteBuffer;

// Writes the baskets of a tree's branches into the file and then streams the TTree
// (version 20) with its TBranch (13) / TBranchObject (1) and leaves.
class TreeWriter {
public:
    TreeWriter(FileAssembler& file, std::string name, std::string title);

    // Branch `name` with leaf `name/D`; entriesPerBasket 0 means 4000 (32000-byte baskets).
    void addDoubleBranch(const std::string& name, const std::vector<double>& values,
                         long long entriesPerBasket);
    // Branch "event": one TObjArray of VxLumoTrack per entry.
    void addEventBranch(const std::string& name,
                        const std::vector<std::vector<TrackRecord>>& events);

    // The TTree record payload, built with `origin` as buffer origin.
    std::vector<std::uint8_t> serialize(std::size_t origin) const;

    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }

private:
    struct Branch {
        std::string name, title;
        bool objectBranch = false;
        int entryOffsetLen = 0;
        long long entries = 0;
        std::vector<FileAssembler::BasketPlacement> baskets;
        std::vector<long long> firstEntries;
    };
    void writeBranch(WriteBuffer& b, const Branch& br, std::size_t& leafSlot) const;
    void checkEntries(long long n) const;

    FileAssembler& file_;
    std::string name_, title_;
    std::vector<Branch> branches_;
};

} // namespace rootio
