#include "classroom/LessonDay.h"

#include <filesystem>

namespace classroom {

namespace {

// Of several exports of the same class, the newest counts; the others are marked superseded.
void leaveOutOlderExports(std::vector<ClassInput>& inputs, std::vector<UnusedFile>& unused) {
    std::map<std::string, std::size_t> newest; // by label
    const auto key = [](const ClassLabel& l) {
        return l.school + '\n' + l.className + '\n' + l.date;
    };
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (!inputs[i].fromExport)
            continue;
        auto [it, first] = newest.emplace(key(inputs[i].label), i);
        const ClassInput& best = inputs[it->second];
        if (!first &&
            std::tie(inputs[i].written, inputs[i].source) > std::tie(best.written, best.source))
            it->second = i;
    }
    std::vector<ClassInput> kept;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const auto found = newest.find(key(inputs[i].label));
        if (inputs[i].fromExport && found->second != i)
            unused.push_back({inputs[i].source, UnusedReason::Superseded,
                              "newer: " + inputs[found->second].source});
        else
            kept.push_back(std::move(inputs[i]));
    }
    inputs = std::move(kept);
}

std::string nameOf(const ClassInput& in) {
    if (!in.label.empty())
        return in.label.shown();
    return std::filesystem::path(in.source).filename().string();
}

} // namespace

LessonDay combineLessonDay(std::vector<ClassInput> inputs, std::vector<UnusedFile> unusedExports,
                           DuplicateRule rule, ClassSummaryCache* cache) {
    LessonDay day;
    day.rule = rule;
    day.unused = std::move(unusedExports);
    leaveOutOlderExports(inputs, day.unused);

    std::vector<StudentRow> all;
    std::map<int, std::vector<StudentLifetimePoint>> allPoints;
    for (ClassInput& in : inputs) {
        ClassOfTheDay c;
        c.label = in.label;
        c.name = nameOf(in);
        c.source = in.source;
        c.fromExport = in.fromExport;
        for (auto& r : in.rows.rows) {
            r.classFolder = c.name;
            all.push_back(r);
        }
        // In the total, a student is known by class and identity.
        for (const auto& [trend, points] : in.rows.points)
            for (StudentLifetimePoint p : points) {
                p.identity = c.name + '/' + p.identity;
                allPoints[trend].push_back(std::move(p));
            }
        const std::string stamp = c.name + '\n' + std::to_string(in.version) + '\n' +
                                  std::to_string(static_cast<int>(rule));
        const auto cached = cache ? cache->find(in.source) : ClassSummaryCache::iterator{};
        if (cache && cached != cache->end() && cached->second.first == stamp) {
            c.summary = cached->second.second;
        } else {
            c.summary = summarizeRows(std::move(in.rows.rows), std::move(in.rows.points), rule);
            if (cache)
                (*cache)[in.source] = {stamp, c.summary};
        }
        c.summary.used = std::move(in.rows.used);
        c.summary.unused = in.rows.unused;
        day.unused.insert(day.unused.end(), in.rows.unused.begin(), in.rows.unused.end());
        day.classes.push_back(std::move(c));
    }
    day.total = summarizeRows(std::move(all), std::move(allPoints), rule);
    for (const auto& c : day.classes) {
        day.total.used.insert(day.total.used.end(), c.summary.used.begin(), c.summary.used.end());
    }
    day.total.unused = day.unused;
    return day;
}

} // namespace classroom
