#include "classroom/DataSetHandout.h"

#include "classroom/CsvField.h"
#include "rootio/AtomicFile.h"
#include "studentfiles/Combinations.h"

#include <map>

namespace classroom {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// n distinct combinations: evenly spaced over the fresh ones, then over those in `avoid`.
std::vector<int> spreadCombinations(std::size_t n, const std::set<int>& avoid, int& reused) {
    std::vector<int> fresh, old;
    for (int c = 1; c <= kCombinations; ++c)
        (avoid.count(c) ? old : fresh).push_back(c);
    const auto evenly = [](const std::vector<int>& from, std::size_t k) {
        std::vector<int> out;
        for (std::size_t i = 0; i < k; ++i)
            out.push_back(from[i * from.size() / k]);
        return out;
    };
    if (n <= fresh.size()) {
        reused = 0;
        return evenly(fresh, n);
    }
    reused = static_cast<int>(n - fresh.size());
    std::vector<int> out = fresh;
    for (int c : evenly(old, n - fresh.size()))
        out.push_back(c);
    return out;
}

Handout assign(std::vector<std::string> names, const std::set<int>& avoid, Handout h) {
    std::vector<int> combinations = spreadCombinations(names.size(), avoid, h.reused);
    for (std::size_t i = 0; i < names.size(); ++i)
        h.lines.push_back({std::move(names[i]), combinations[i]});
    return h;
}

} // namespace

Handout handOutToNames(const std::string& namesText, const std::set<int>& avoid) {
    Handout h;
    std::vector<std::string> names;
    std::map<std::string, int> seen;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < namesText.size();) {
        const auto end = std::min(namesText.find('\n', start), namesText.size());
        lines.push_back(trimmed(namesText.substr(start, end - start)));
        start = end + 1;
    }
    for (std::string& name : lines) {
        if (name.empty()) {
            ++h.blankLinesSkipped;
            continue;
        }
        if (++seen[name] == 2)
            h.names.push_back(name);
        names.push_back(std::move(name));
    }
    if (names.empty())
        h.problem = Handout::Problem::NoNames;
    else if (!h.names.empty())
        h.problem = Handout::Problem::DuplicateNames;
    else if (names.size() > static_cast<std::size_t>(kCombinations))
        h.problem = Handout::Problem::TooManyNames, h.count = static_cast<int>(names.size());
    if (h.problem != Handout::Problem::None)
        return h;
    return assign(std::move(names), avoid, std::move(h));
}

Handout handOutToGroups(int groups, const std::string& groupWord, const std::set<int>& avoid) {
    Handout h;
    if (groups < 1 || groups > kCombinations) {
        h.problem = Handout::Problem::TooManyGroups;
        h.count = groups;
        return h;
    }
    std::vector<std::string> names;
    for (int g = 1; g <= groups; ++g)
        names.push_back(groupWord + " " + std::to_string(g));
    return assign(std::move(names), avoid, std::move(h));
}

void writeHandoutCsv(const std::string& path, const Handout& handout) {
    std::string out = "name,combination\n";
    for (const auto& l : handout.lines)
        out += csvField(l.name) + "," + std::to_string(l.combination) + "\n";
    rootio::replaceFile(path, std::vector<std::uint8_t>(out.begin(), out.end()));
}

} // namespace classroom
