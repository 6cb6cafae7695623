#include "rootio/FileWriter.h"

#include "rootio/AtomicFile.h"
#include "rootio/Error.h"
#include "rootio/FileAssembler.h"
#include "rootio/HistogramWriter.h"
#include "rootio/TreeWriter.h"
#include "rootio/WriteBuffer.h"

namespace rootio {

FileWriter::FileWriter(std::string path, int compressionLevel)
    : path_(std::move(path)), compressionLevel_(compressionLevel) {
    if (path_.empty())
        throw Error("FileWriter: empty file name");
}

void FileWriter::addHistogram(const Histogram1D& h) {
    try {
        histogramwriter::validate(h);
    } catch (const Error& e) {
        throw Error(path_, e.what());
    }
    order_.emplace_back('h', histograms_.size());
    histograms_.push_back(h);
}

void FileWriter::addGraph(const Graph& g) {
    if (g.name.empty() || g.x.size() != g.y.size())
        throw Error(path_, "graph \"" + g.name + "\" needs a name and as many x as y values");
    order_.emplace_back('g', graphs_.size());
    graphs_.push_back(g);
}

void FileWriter::addObjString(const std::string& name, const std::string& text) {
    if (name.empty() || name.find('/') != std::string::npos)
        throw Error(path_, "invalid string name \"" + name + "\"");
    order_.emplace_back('s', strings_.size());
    strings_.emplace_back(name, text);
}

void FileWriter::addDoubleTree(
    const std::string& name, const std::string& title,
    const std::vector<std::pair<std::string, std::vector<double>>>& columns) {
    if (name.empty())
        throw Error(path_, "tree without a name");
    for (const auto& c : columns)
        if (c.second.size() != columns.front().second.size())
            throw Error(path_, "tree \"" + name + "\": columns of different lengths");
    order_.emplace_back('d', doubleTrees_.size());
    doubleTrees_.push_back({name, title, columns});
}

void FileWriter::addEventTree(const std::string& name,
                              const std::vector<std::vector<TrackRecord>>& events) {
    if (name.empty())
        throw Error(path_, "tree without a name");
    order_.emplace_back('e', eventTrees_.size());
    eventTrees_.push_back({name, events});
}

void FileWriter::enterDirectory(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        throw Error(path_, "invalid directory name \"" + name + "\"");
    order_.emplace_back('D', directories_.size());
    directories_.push_back(name);
    ++openDirectories_;
}

void FileWriter::leaveDirectory() {
    if (openDirectories_ == 0)
        throw Error(path_, "no directory to leave");
    order_.emplace_back('U', 0);
    --openDirectories_;
}

void FileWriter::save() {
    std::vector<std::uint8_t> bytes;
    try {
        FileAssembler file(Error::fileLabel(path_), compressionLevel_);
        std::vector<std::string> classes;
        auto addTree = [&](const TreeWriter& tree) {
            const auto keylen = FileAssembler::objectKeyLength("TTree", tree.name(), tree.title());
            file.addObject("TTree", tree.name(), tree.title(), tree.serialize(keylen));
        };
        for (const auto& [kind, index] : order_) {
            if (kind == 'h') {
                const Histogram1D& h = histograms_[index];
                const std::string cls = h.doublePrecision ? "TH1D" : "TH1F";
                WriteBuffer b(FileAssembler::objectKeyLength(cls, h.name, h.title));
                histogramwriter::writeHistogram(b, h);
                file.addObject(cls, h.name, h.title, b.bytes());
                classes.push_back(cls);
            } else if (kind == 'g') {
                const Graph& g = graphs_[index];
                WriteBuffer b(FileAssembler::objectKeyLength("TGraph", g.name, g.title));
                histogramwriter::writeGraph(b, g);
                file.addObject("TGraph", g.name, g.title, b.bytes());
                classes.push_back("TGraph");
            } else if (kind == 's') {
                const auto& [name, text] = strings_[index];
                WriteBuffer b(
                    FileAssembler::objectKeyLength("TObjString", name, "Collectable string class"));
                const auto top = b.openByteCount();
                b.i16(1);
                b.tobject();
                b.string(text);
                b.closeByteCount(top);
                file.addObject("TObjString", name, "Collectable string class", b.bytes());
                classes.push_back("TObjString");
            } else if (kind == 'd') {
                const DoubleTree& t = doubleTrees_[index];
                TreeWriter tree(file, t.name, t.title);
                for (const auto& [branch, values] : t.columns)
                    tree.addDoubleBranch(branch, values, entriesPerBasket_);
                addTree(tree);
                classes.insert(classes.end(), {"TTree", "TBranch", "TLeafD"});
            } else if (kind == 'D') {
                file.beginDirectory(directories_[index]);
            } else if (kind == 'U') {
                file.endDirectory();
            } else {
                const EventTree& t = eventTrees_[index];
                TreeWriter tree(file, t.name, t.name);
                tree.addEventBranch("event", t.events);
                addTree(tree);
                classes.insert(classes.end(), {"TTree", "TBranchObject", "TLeafObject", "TObjArray",
                                               "VxLumoTrack", "TObjString", "TPointsArray3D"});
            }
        }
        for (int i = 0; i < openDirectories_; ++i)
            file.endDirectory();
        bytes = file.finish(classes);
    } catch (const Error& e) {
        const std::string what = e.what();
        if (what.rfind(Error::fileLabel(path_) + ":", 0) == 0)
            throw;
        throw Error(path_, what);
    } catch (const std::bad_alloc&) {
        throw Error(path_, "out of memory while writing");
    }
    replaceFile(path_, bytes);
}

} // namespace rootio
