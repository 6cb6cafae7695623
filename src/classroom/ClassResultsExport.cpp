#include "classroom/ClassResultsExport.h"

#include "classroom/ClassSummaryText.h"
#include "classroom/CsvField.h"
#include "rootio/AtomicFile.h"

#include <cstdio>
#include <filesystem>

namespace classroom {

namespace {

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

std::string relativeTo(const std::string& file, const std::string& root) {
    std::error_code ec;
    const auto r = std::filesystem::relative(file, root, ec);
    return root.empty() || file.empty() || ec || r.empty() ? file : r.string();
}

std::string lifetimeLines(const std::string& name, const ClassSummary& s) {
    std::string out;
    for (const auto& t : s.trends)
        for (const auto& c : t.classMeans)
            out += csvField(name) + "," + csvField(trendName(t.trend)) + "," + number(c.cut) + "," +
                   number(c.mean) + "," + number(c.spread) + "," + number(c.lowest) + "," +
                   number(c.highest) + "," + number(c.analysisError) + "," +
                   std::to_string(c.students) + "\n";
    return out;
}

} // namespace

std::string duplicateRuleText(DuplicateRule rule) {
    return rule == DuplicateRule::CountOnce
               ? "A combination analysed by more than one student counts once in the class "
                 "histogram (the first saved); the others are flagged."
               : "Every student's file counts in the class histogram, also a combination "
                 "analysed more than once (flagged).";
}

std::string lifetimeRuleText() {
    return "Class lifetime at each cut: the mean of the students' values with their spread "
           "(standard deviation, lowest and highest) beside the statistical error of one "
           "analysis (the median of the students' fit errors). The students analyse the same "
           "candidates, so no error of the mean is given.";
}

void writeLessonDayCsv(const std::string& path, const LessonDay& day) {
    std::map<std::string, std::string> folderOf;
    for (const auto& c : day.classes)
        folderOf[c.name] = c.fromExport ? std::string() : c.source;
    std::string out = "# " + duplicateRuleText(day.rule) + "\n# " + lifetimeRuleText() + "\n";
    out += "name,surname,grade,identity,combination,entries,lifetimes saved,"
           "mass histogram file,lifetime file,class,same combination as another,counted\n";
    for (const auto& r : day.total.students) {
        const std::string& root = folderOf[r.classFolder];
        out += csvField(r.name) + "," + csvField(r.surname) + "," + csvField(r.grade) + "," +
               csvField(r.identity) + "," + std::to_string(r.combination) + "," +
               (r.entries ? number(*r.entries) : std::string()) + "," +
               std::to_string(r.lifetimesSaved) + "," + csvField(relativeTo(r.massFile, root)) +
               "," + csvField(relativeTo(r.lifetimeFile, root)) + "," + csvField(r.classFolder) +
               "," + (r.sharesCombination ? "yes" : "no") + "," +
               (r.histogram ? (r.counted ? "yes" : "no") : "") + "\n";
    }
    out += "\nclass,trend,cut,mean (ps),spread: standard deviation (ps),lowest (ps),"
           "highest (ps),statistical error of one analysis (ps),students\n";
    for (const auto& c : day.classes)
        out += lifetimeLines(c.name, c.summary);
    if (day.classes.size() > 1)
        out += lifetimeLines("all classes", day.total);
    rootio::replaceFile(path, std::vector<std::uint8_t>(out.begin(), out.end()));
}

} // namespace classroom
