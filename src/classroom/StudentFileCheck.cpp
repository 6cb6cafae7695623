#include "classroom/StudentFileCheck.h"

#include "analysis/TrendAxis.h"
#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace classroom {

namespace {

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The reader's message without the file name it starts with.
std::string problemOf(const std::exception& e, const std::string& path) {
    std::string m = e.what();
    const std::string label = fileNameOf(path) + ": ";
    if (m.compare(0, label.size(), label) == 0)
        m.erase(0, label.size());
    return m;
}

void checkHistogram(const rootio::FileReader& file, CheckedFile& out) {
    if (!file.has("hist")) {
        out.reason = UnusedReason::ForeignFile;
        out.detail = "no histogram \"hist\"";
        return;
    }
    const std::string cls = file.className("hist");
    if (cls != "TH1F") {
        out.reason = UnusedReason::ForeignFile;
        out.detail = "\"hist\" is a " + cls + ", not a TH1F";
        return;
    }
    rootio::Histogram1D h = file.readHistogram("hist");
    if (h.nbins != kMassBins || h.xmin != kMassMin || h.xmax != kMassMax) {
        std::ostringstream d;
        d << h.nbins << " bins from " << h.xmin << " to " << h.xmax << " instead of " << kMassBins
          << " from " << kMassMin << " to " << kMassMax;
        out.reason = UnusedReason::WrongBinning;
        out.detail = d.str();
        return;
    }
    for (double c : h.contents)
        if (!std::isfinite(c) || c < 0) {
            out.reason = UnusedReason::Damaged;
            out.detail = "the histogram holds negative or invalid counts";
            return;
        }
    if (h.sumw2.empty())
        h.sumw2 = h.contents;
    out.histogram = std::move(h);
}

void checkLifetimes(const rootio::FileReader& file, CheckedFile& out) {
    if (!file.has(analysis::lifetimefile::kResultsTree)) {
        out.reason = UnusedReason::ForeignFile;
        out.detail = std::string("no tree \"") + analysis::lifetimefile::kResultsTree + "\"";
        return;
    }
    analysis::LifetimeResults r = analysis::readLifetimeResults(file);
    for (const auto& s : r.lifetimes)
        if (!analysis::trendAxisFor(s.trend) || !std::isfinite(s.lifetime) ||
            !std::isfinite(s.error) || !std::isfinite(s.cutMin) || !std::isfinite(s.cutMax)) {
            out.reason = UnusedReason::Damaged;
            out.detail = "a saved result with an unknown trend or an invalid number";
            return;
        }
    out.lifetimes = std::move(r);
}

} // namespace

UnusedReason rootFileStart(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    if (!in)
        return UnusedReason::Unreadable;
    if (!in.read(magic, 4) || std::string(magic, 4) != "root")
        return UnusedReason::NotRootFile;
    return UnusedReason::None;
}

CheckedFile checkStudentFile(const std::string& path) {
    CheckedFile out;
    out.path = path;
    out.name = studentfiles::parseStudentFileName(fileNameOf(path));
    if (!out.name) {
        out.reason = UnusedReason::NotNamedLikeStudentFile;
        return out;
    }
    out.reason = rootFileStart(path);
    if (out.reason != UnusedReason::None)
        return out;
    try {
        const rootio::FileReader file(path);
        if (out.name->kind == studentfiles::StudentFileKind::MassHistogram)
            checkHistogram(file, out);
        else
            checkLifetimes(file, out);
    } catch (const std::exception& e) {
        out.reason = UnusedReason::Damaged;
        out.detail = problemOf(e, path);
        out.histogram.reset();
        out.lifetimes.reset();
    }
    return out;
}

const char* reasonText(UnusedReason reason) {
    switch (reason) {
    case UnusedReason::None:
        return "used";
    case UnusedReason::NotNamedLikeStudentFile:
        return "not named like a student's file";
    case UnusedReason::NotRootFile:
        return "not a ROOT file";
    case UnusedReason::Damaged:
        return "truncated or damaged";
    case UnusedReason::WrongBinning:
        return "wrong binning";
    case UnusedReason::ForeignFile:
        return "foreign file";
    case UnusedReason::Unreadable:
        return "cannot be read";
    case UnusedReason::Superseded:
        return "superseded by a newer copy";
    case UnusedReason::NewerFormat:
        return "written in a newer format";
    }
    return "";
}

} // namespace classroom
