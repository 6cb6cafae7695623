#include "analysis/LifetimeResultsFile.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace lifetimefile {
const char* const kResultsTree = "LifetimeResults";
const char* const kMassFitTree = "MassFit";
} // namespace lifetimefile

namespace {

const char* const kResultBranches[] = {"trend", "cutMin", "cutMax", "lifetime", "lifetimeError"};
const char* const kMassBranches[] = {"mean",       "meanError", "sigma",
                                     "sigmaError", "signal",    "background"};

std::vector<std::vector<double>> readColumns(const rootio::FileReader& file,
                                             const std::string& tree, const char* const* names,
                                             std::size_t count) {
    if (!file.has(tree) || file.className(tree) != "TTree")
        throw rootio::Error(file.path(), "no tree \"" + tree + "\"");
    const long long entries = file.treeEntries(tree);
    std::vector<std::vector<double>> columns;
    for (std::size_t i = 0; i < count; ++i) {
        columns.push_back(file.readColumn(tree, names[i]));
        if (static_cast<long long>(columns.back().size()) != entries)
            throw rootio::Error(file.path(), "tree \"" + tree + "\": branch \"" + names[i] +
                                                 "\" does not hold one number per entry");
    }
    return columns;
}

} // namespace

LifetimeResults lifetimeResultsFrom(const std::map<int, std::vector<TrendPoint>>& saved,
                                    const std::optional<MassFitResult>& lastMassFit) {
    LifetimeResults r;
    for (const auto& [trend, points] : saved)
        for (const auto& p : points)
            r.lifetimes.push_back({trend, p.cutMin, p.cutMax, p.value, p.error});
    if (lastMassFit && lastMassFit->fit.valid)
        r.massFit = savedMassFit(*lastMassFit);
    return r;
}

SavedMassFit savedMassFit(const MassFitResult& fit) {
    SavedMassFit m;
    const auto& p = fit.fit.parameters;
    const auto& e = fit.fit.errors;
    if (p.size() > 2 && e.size() > 2) {
        m.mean = p[1];
        m.meanError = e[1];
        m.sigma = p[2];
        m.sigmaError = e[2];
    }
    m.signal = static_cast<double>(fit.signal);
    m.background = static_cast<double>(fit.background);
    return m;
}

void writeLifetimeResults(const std::string& path, const LifetimeResults& results) {
    std::vector<std::pair<std::string, std::vector<double>>> columns;
    for (const char* name : kResultBranches)
        columns.emplace_back(name, std::vector<double>());
    for (const auto& s : results.lifetimes) {
        const double row[] = {double(s.trend), s.cutMin, s.cutMax, s.lifetime, s.error};
        for (std::size_t i = 0; i < columns.size(); ++i)
            columns[i].second.push_back(row[i]);
    }
    std::vector<std::pair<std::string, std::vector<double>>> mass;
    for (const char* name : kMassBranches)
        mass.emplace_back(name, std::vector<double>());
    if (results.massFit) {
        const auto& m = *results.massFit;
        const double row[] = {m.mean, m.meanError, m.sigma, m.sigmaError, m.signal, m.background};
        for (std::size_t i = 0; i < mass.size(); ++i)
            mass[i].second.push_back(row[i]);
    }
    rootio::FileWriter writer(path, 1);
    writer.addDoubleTree(lifetimefile::kResultsTree, "Saved D0 lifetime results", columns);
    writer.addDoubleTree(lifetimefile::kMassFitTree, "Last D0 mass fit", mass);
    writer.save();
}

LifetimeResults readLifetimeResults(const std::string& path) {
    return readLifetimeResults(rootio::FileReader(path));
}

LifetimeResults readLifetimeResults(const rootio::FileReader& file) {
    const std::string& path = file.path();
    LifetimeResults r;
    const auto c =
        readColumns(file, lifetimefile::kResultsTree, kResultBranches, std::size(kResultBranches));
    for (std::size_t i = 0; i < c[0].size(); ++i) {
        if (!(std::fabs(c[0][i]) < 1e6) || c[0][i] != std::floor(c[0][i]))
            throw rootio::Error(path,
                                "trend id " + std::to_string(c[0][i]) + " is not a whole number");
        r.lifetimes.push_back({static_cast<int>(c[0][i]), c[1][i], c[2][i], c[3][i], c[4][i]});
    }
    if (file.has(lifetimefile::kMassFitTree)) {
        const auto m =
            readColumns(file, lifetimefile::kMassFitTree, kMassBranches, std::size(kMassBranches));
        if (!m[0].empty())
            r.massFit = SavedMassFit{m[0].back(), m[1].back(), m[2].back(),
                                     m[3].back(), m[4].back(), m[5].back()};
    }
    return r;
}

} // namespace analysis
