#include "classroom/ClassSummaryText.h"

#include "studentfiles/Combinations.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>

namespace classroom {

namespace {

std::string format(const char* f, ...) {
    char buf[512];
    va_list args;
    va_start(args, f);
    std::vsnprintf(buf, sizeof buf, f, args);
    va_end(args);
    return buf;
}

std::string relative(const std::string& path, const std::string& root) {
    std::error_code ec;
    const auto r = std::filesystem::relative(path, root, ec);
    return ec || r.empty() ? path : r.string();
}

} // namespace

std::string combinationList(const std::set<int>& combinations) {
    std::string out;
    for (auto it = combinations.begin(); it != combinations.end();) {
        const int first = *it;
        int last = first;
        while (++it != combinations.end() && *it == last + 1)
            ++last;
        out += (out.empty() ? "" : ", ") + std::to_string(first);
        if (last != first)
            out += (last == first + 1 ? ", " : "-") + std::to_string(last);
    }
    return out;
}

std::string trendName(int trend) {
    switch (trend) {
    case 1:
        return "lower PT cut (GeV/c)";
    case 2:
        return "upper log10(IP/mm) cut";
    case 3:
        return "upper PT cut (GeV/c)";
    case 4:
        return "lower log10(IP/mm) cut";
    default:
        return "trend " + std::to_string(trend);
    }
}

std::string summaryText(const ClassSummary& s, const std::string& root) {
    std::string out = format("Class folder: %s\n", root.c_str());
    out += format("Files used: %zu\n", s.used.size());
    for (const auto& u : s.used)
        out += "  " + relative(u.path, root) + "\n";
    out += format("Files not used: %zu\n", s.unused.size());
    for (const auto& u : s.unused)
        out += "  " + relative(u.path, root) + ": " + reasonText(u.reason) +
               (u.detail.empty() ? "" : " (" + u.detail + ")") + "\n";
    out += format("Students: %zu, combinations used: %zu of %d\n", s.students.size(),
                  s.combinationsUsed.size(), kCombinations);
    if (!s.combinationsTwice.empty())
        out += "Analysed more than once: " + combinationList(s.combinationsTwice) + "\n";
    if (!s.combinationsUsed.empty())
        out += "Combinations used: " + combinationList(s.combinationsUsed) + "\n";
    out += format("Mass histograms: %d, total entries: %.0f\n", s.histogramsUsed, s.totalEntries());
    if (s.massFit.fit.valid) {
        const auto& p = s.massFit.fit.parameters;
        const auto& e = s.massFit.fit.errors;
        out += format("Fitted D0 mass: %.2f +- %.2f MeV/c2 (true %.2f)\n", p[1], e[1], kTrueD0Mass);
        out += format("Sigma: %.2f +- %.2f MeV/c2\n", p[2], e[2]);
        out += format("Signal: %lld (total %lld, background %lld)\n", s.massFit.signal,
                      s.massFit.total, s.massFit.background);
    } else {
        out += "Mass fit: not possible (" + s.massFit.fit.message + ")\n";
    }
    if (s.trends.empty())
        out += "No lifetimes saved.\n";
    for (const auto& t : s.trends) {
        out += "Class lifetime vs " + trendName(t.trend) +
               format(" (true %.4f ps):\n", kTrueD0Lifetime);
        for (const auto& c : t.classMeans)
            out += format("  cut %7.2f: mean %.4f ps, spread %.4f ps (%.4f ... %.4f), "
                          "error of one analysis %.4f ps (%d student%s)\n",
                          c.cut, c.mean, c.spread, c.lowest, c.highest, c.analysisError, c.students,
                          c.students == 1 ? "" : "s");
    }
    return out;
}

} // namespace classroom
