#pragma once

#include "rootio/FileReader.h"
#include "rootio/TrackRecord.h"

#include <string>
#include <vector>

// The event file of a data set: tree "MCEvent", one entry per event, branch
// "event" with the track records. At most maxEvents events are offered.
class EventFile {
public:
    static constexpr int maxEvents = 50;

    // Throws rootio::Error when the file cannot be read or has no tree "MCEvent".
    explicit EventFile(const std::string& path);

    const std::string& path() const { return reader_.path(); }
    // Events offered: the entries of the tree, at most maxEvents.
    int events() const { return events_; }
    long long entriesOnFile() const { return entries_; }
    // Throws rootio::Error when the entry cannot be read.
    std::vector<rootio::TrackRecord> readEvent(int index) const;

private:
    rootio::FileReader reader_;
    long long entries_ = 0;
    int events_ = 0;
};
