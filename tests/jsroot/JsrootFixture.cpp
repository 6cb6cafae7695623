// Helper for the JSROOT cross-checks:
//   jsroot_fixture dump FILE   prints rootio's reading of FILE as JSON
//   jsroot_fixture write DIR   writes one file of every kind rootio writes, and next to each
//                              a .json file with the values written
#include "JsonText.h"
#include "SampleHistograms.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using vexel::test::json::num;
using vexel::test::json::nums;
using vexel::test::json::str;

std::string histogramJson(const rootio::Histogram1D& h) {
    std::ostringstream o;
    o << "{\"name\":" << str(h.name) << ",\"title\":" << str(h.title)
      << ",\"class\":" << str(h.doublePrecision ? "TH1D" : "TH1F") << ",\"nbins\":" << h.nbins
      << ",\"xmin\":" << num(h.xmin) << ",\"xmax\":" << num(h.xmax)
      << ",\"contents\":" << nums(h.contents) << ",\"sumw2\":" << nums(h.sumw2)
      << ",\"entries\":" << num(h.entries) << ",\"xTitle\":" << str(h.xTitle)
      << ",\"yTitle\":" << str(h.yTitle) << "}";
    return o.str();
}

std::string graphJson(const rootio::Graph& g) {
    return "{\"name\":" + str(g.name) + ",\"title\":" + str(g.title) + ",\"x\":" + nums(g.x) +
           ",\"y\":" + nums(g.y) + ",\"xTitle\":" + str(g.xTitle) + ",\"yTitle\":" + str(g.yTitle) +
           "}";
}

std::string trackJson(const rootio::TrackRecord& t) {
    std::ostringstream o;
    o << "{\"mass\":" << num(t.mass) << ",\"E\":" << num(t.E) << ",\"px\":" << num(t.px)
      << ",\"py\":" << num(t.py) << ",\"pz\":" << num(t.pz) << ",\"chi2\":" << num(t.chi2)
      << ",\"q\":" << num(t.q)
      << ",\"particleId\":" << (t.hasParticleId ? str(t.particleId) : "null") << ",\"points\":";
    if (t.hasTrack) {
        std::vector<double> flat;
        for (const auto& p : t.points)
            flat.insert(flat.end(), {p[0], p[1], p[2]});
        o << nums(flat);
    } else {
        o << "null";
    }
    o << ",\"pvx\":" << num(t.pvx) << ",\"pvy\":" << num(t.pvy) << ",\"pvz\":" << num(t.pvz)
      << ",\"ipchi2\":" << num(t.ipchi2) << ",\"ip\":" << num(t.ip)
      << ",\"zFirstMeasurement\":" << num(t.zFirstMeasurement) << "}";
    return o.str();
}

// rootio's view of a file: keys, histograms, graphs, trees with every readable branch.
int dump(const std::string& path) {
    rootio::FileReader r(path);
    std::ostringstream o;
    o << "{\"keys\":[";
    bool first = true;
    for (const auto& k : r.keys()) {
        o << (first ? "" : ",") << "{\"name\":" << str(k.name) << ",\"class\":" << str(k.className)
          << ",\"cycle\":" << k.cycle << ",\"title\":" << str(k.title) << "}";
        first = false;
    }
    o << "],\"histograms\":[";
    first = true;
    for (const auto& k : r.keys()) {
        if (k.className == "TH1F" || k.className == "TH1D") {
            o << (first ? "" : ",") << histogramJson(r.readHistogram(k.name));
            first = false;
        }
    }
    o << "],\"graphs\":[";
    first = true;
    for (const auto& k : r.keys()) {
        if (k.className == "TGraph") {
            o << (first ? "" : ",") << graphJson(r.readGraph(k.name));
            first = false;
        }
    }
    o << "],\"trees\":[";
    first = true;
    for (const auto& k : r.keys()) {
        if (k.className != "TTree" && k.className != "TNtuple")
            continue;
        o << (first ? "" : ",") << "{\"name\":" << str(k.name)
          << ",\"entries\":" << r.treeEntries(k.name) << ",\"branches\":[";
        first = false;
        bool firstBranch = true;
        for (const auto& b : r.branches(k.name)) {
            o << (firstBranch ? "" : ",") << "{\"name\":" << str(b.name)
              << ",\"type\":" << str(b.typeName);
            firstBranch = false;
            if (b.typeName == "string") {
                o << ",\"strings\":[";
                const auto s = r.readStringColumn(k.name, b.name);
                for (std::size_t i = 0; i < s.size(); ++i)
                    o << (i ? "," : "") << str(s[i]);
                o << "]";
            } else if (b.typeName.find("unsupported") == std::string::npos &&
                           b.typeName.find_first_of("0123456789") != std::string::npos ||
                       b.typeName == "bool" || b.typeName == "float" || b.typeName == "double") {
                o << ",\"rows\":[";
                const auto rows = r.readRows(k.name, b.name);
                for (std::size_t i = 0; i < rows.size(); ++i)
                    o << (i ? "," : "") << nums(rows[i]);
                o << "]";
            }
            o << "}";
        }
        o << "]";
        if (r.has(k.name) && [&] {
                for (const auto& b : r.branches(k.name))
                    if (b.name == "event" && b.typeName == "TObjArray")
                        return true;
                return false;
            }()) {
            o << ",\"events\":[";
            for (long long e = 0; e < r.treeEntries(k.name); ++e) {
                o << (e ? "," : "") << "[";
                const auto tracks = r.readEvent(k.name, e);
                for (std::size_t i = 0; i < tracks.size(); ++i)
                    o << (i ? "," : "") << trackJson(tracks[i]);
                o << "]";
            }
            o << "]";
        }
        o << "}";
    }
    o << "]}";
    std::cout << o.str() << "\n";
    return 0;
}

void writeFile(const std::string& path, const std::string& json) {
    std::ofstream out(path);
    out << json << "\n";
    if (!out)
        throw rootio::Error(path, "cannot write");
}

// Deterministic pseudo-random numbers for the sample files.
struct Lcg {
    std::uint64_t state = 12345;
    double next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    }
};

int write(const std::string& dir) {
    Lcg rng;
    { // the student's mass histogram
        rootio::Histogram1D h = rootiotest::studentMassHistogram();
        for (int i = 0; i < 52; ++i)
            h.contents[i] = std::floor(rng.next() * 20);
        h.entries = 321;
        rootio::FileWriter w(dir + "/hist.root");
        w.addHistogram(h);
        w.save();
        writeFile(dir + "/hist.json", "{\"histograms\":[" + histogramJson(h) + "]}");
    }
    { // canvas contents: TH1D with errors and axis titles, and a TGraph
        rootio::Histogram1D h = rootiotest::canvasMassHistogram();
        h.contents.resize(202);
        h.sumw2.resize(202);
        for (int i = 0; i < 202; ++i) {
            h.contents[i] = rng.next() * 100 - 10;
            h.sumw2[i] = rng.next() * 50;
        }
        h.entries = 12345;
        rootio::Graph g;
        g.name = "fit";
        g.title = "Mass fit";
        for (int i = 0; i < 300; ++i) {
            g.x.push_back(1815 + i / 3.0);
            g.y.push_back(std::exp(-0.5 * std::pow((g.x.back() - 1865) / 7.0, 2)) * 400 + 20);
        }
        rootio::Graph plain;
        plain.name = "trend";
        plain.title = "";
        plain.x = {0.5, 1.0, 1.5};
        plain.y = {0.41, 0.40, 0.43};
        plain.xTitle = "IP cut";
        plain.yTitle = "lifetime (ps)";
        rootio::Graph empty;
        empty.name = "empty";
        empty.title = "no points";
        rootio::FileWriter w(dir + "/canvas.root");
        w.addHistogram(h);
        w.addGraph(g);
        w.addGraph(plain);
        w.addGraph(empty);
        w.save();
        writeFile(dir + "/canvas.json", "{\"histograms\":[" + histogramJson(h) + "],\"graphs\":[" +
                                            graphJson(g) + "," + graphJson(plain) + "," +
                                            graphJson(empty) + "]}");
    }
    { // objects in subdirectories
        rootio::Histogram1D h;
        h.name = "hist";
        h.title = "inner";
        h.nbins = 3;
        h.xmin = 0;
        h.xmax = 3;
        h.contents = {1, 2, 3, 4, 5};
        rootio::FileWriter w(dir + "/dirs.root");
        w.enterDirectory("results");
        w.enterDirectory("cuts");
        w.addHistogram(h);
        w.leaveDirectory();
        w.leaveDirectory();
        w.save();
        writeFile(dir + "/dirs.json", "{\"histograms\":[{\"path\":\"results/cuts/hist\"," +
                                          histogramJson(h).substr(1) + "]}");
    }
    { // the candidate ntuple, several baskets per branch
        const int n = 25000;
        std::vector<std::pair<std::string, std::vector<double>>> columns = {
            {"D0_MM", {}}, {"D0_PT", {}}, {"D0_TAU", {}}, {"D0_MINIP", {}}};
        for (int i = 0; i < n; ++i) {
            columns[0].second.push_back(1815 + 100 * rng.next());
            columns[1].second.push_back(2000 + 8000 * rng.next());
            columns[2].second.push_back(-0.4 * std::log(1 - rng.next()));
            columns[3].second.push_back(std::exp(-6 + 5 * rng.next()));
        }
        rootio::FileWriter w(dir + "/decaytree.root");
        w.addDoubleTree("DecayTree", "DecayTree", columns);
        w.save();
        std::string json = "{\"trees\":[{\"name\":\"DecayTree\",\"entries\":" + std::to_string(n) +
                           ",\"columns\":{";
        for (std::size_t c = 0; c < columns.size(); ++c)
            json += (c ? "," : "") + str(columns[c].first) + ":" + nums(columns[c].second);
        writeFile(dir + "/decaytree.json", json + "}}]}");
    }
    { // an event file: tree "MCEvent", branch "event"
        std::vector<std::vector<rootio::TrackRecord>> events;
        const char* names[] = {"pi+", "pi-", "K+", "K-", "D0", "mu+"};
        for (int e = 0; e < 30; ++e) {
            std::vector<rootio::TrackRecord> tracks;
            const int n = 3 + static_cast<int>(rng.next() * 30);
            for (int k = 0; k < n; ++k) {
                rootio::TrackRecord t;
                t.mass = 139.57 + rng.next();
                t.E = 1000 * rng.next();
                t.px = rng.next() * 200 - 100;
                t.py = rng.next() * 200 - 100;
                t.pz = rng.next() * 5000;
                t.chi2 = rng.next() * 3;
                t.q = k % 2 ? 1 : -1;
                t.particleId = names[static_cast<int>(rng.next() * 6)];
                const int np = 1 + static_cast<int>(rng.next() * 40);
                for (int p = 0; p < np; ++p)
                    t.points.push_back({static_cast<float>(rng.next() * 1000 - 500),
                                        static_cast<float>(rng.next() * 1000 - 500),
                                        static_cast<float>(rng.next() * 12000)});
                if (k % 3 == 0) {
                    t.pvx = rng.next();
                    t.pvy = rng.next();
                    t.pvz = rng.next() * 100;
                    t.ipchi2 = rng.next() * 10;
                    t.ip = rng.next() * 0.1;
                    t.zFirstMeasurement = rng.next() * 300;
                }
                tracks.push_back(t);
            }
            events.push_back(tracks);
        }
        events[5][1].hasParticleId = false;
        events[5][2].hasTrack = false;
        events[5][2].points.clear();
        events[6][0].particleId = std::string(300, 'x'); // long-form string
        rootio::FileWriter w(dir + "/mcevent.root");
        w.addEventTree("MCEvent", events);
        w.save();
        std::string json =
            "{\"trees\":[{\"name\":\"MCEvent\",\"entries\":" + std::to_string(events.size()) +
            ",\"events\":[";
        for (std::size_t e = 0; e < events.size(); ++e) {
            json += e ? ",[" : "[";
            for (std::size_t i = 0; i < events[e].size(); ++i)
                json += (i ? "," : "") + trackJson(events[e][i]);
            json += "]";
        }
        writeFile(dir + "/mcevent.json", json + "]}]}");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: jsroot_fixture dump FILE | write DIR\n";
        return 2;
    }
    try {
        const std::string mode = argv[1];
        if (mode == "dump")
            return dump(argv[2]);
        if (mode == "write")
            return write(argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "jsroot_fixture: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "unknown mode\n";
    return 2;
}
