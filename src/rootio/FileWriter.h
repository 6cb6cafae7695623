#pragma once

#include "rootio/Graph.h"
#include "rootio/Histogram1D.h"
#include "rootio/TrackRecord.h"

#include <string>
#include <utility>
#include <vector>

namespace rootio {

// Collects objects and writes them as one ROOT file (zlib, level 1 by default).
// Nothing touches the disk before save(); save() replaces the file atomically.
class FileWriter {
public:
    explicit FileWriter(std::string path, int compressionLevel = 1);

    void addHistogram(const Histogram1D& h);
    void addGraph(const Graph& g);
    // A TObjString under key `name` holding `text`.
    void addObjString(const std::string& name, const std::string& text);
    // Flat double branches; several baskets when the tree is large.
    void addDoubleTree(const std::string& name, const std::string& title,
                       const std::vector<std::pair<std::string, std::vector<double>>>& columns);
    // Tree `name` (normally "MCEvent") with branch "event": one TObjArray of VxLumoTrack per
    // entry.
    void addEventTree(const std::string& name, const std::vector<std::vector<TrackRecord>>& events);

    // Objects added after enterDirectory go into subdirectory `name` (of the current
    // directory) until leaveDirectory; save() closes directories left open.
    void enterDirectory(const std::string& name);
    void leaveDirectory();

    // Writes everything to a temporary file in the same directory, then renames it over the
    // target. Throws rootio::Error on failure and leaves any previous file intact.
    void save();

    // Number of entries per basket of double trees (for tests of multi-basket trees).
    void setEntriesPerBasket(long long n) { entriesPerBasket_ = n; }

    const std::string& path() const { return path_; }

private:
    std::string path_;
    int compressionLevel_;
    long long entriesPerBasket_ = 0; // 0: chosen from the basket size
    std::vector<Histogram1D> histograms_;
    std::vector<Graph> graphs_;
    std::vector<std::pair<std::string, std::string>> strings_;
    struct DoubleTree {
        std::string name, title;
        std::vector<std::pair<std::string, std::vector<double>>> columns;
    };
    std::vector<DoubleTree> doubleTrees_;
    struct EventTree {
        std::string name;
        std::vector<std::vector<TrackRecord>> events;
    };
    std::vector<EventTree> eventTrees_;
    std::vector<std::string> directories_;
    int openDirectories_ = 0;
    std::vector<std::pair<char, std::size_t>> order_; // kind and index, in order of adding
};

} // namespace rootio
