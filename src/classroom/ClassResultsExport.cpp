#include "classroom/ClassResultsExport.h"

#include "analysis/RootHistogramConversion.h"
#include "rootio/AtomicFile.h"
#include "rootio/FileWriter.h"

#include <cstdio>
#include <filesystem>

namespace classroom {

namespace {

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\n\r") == std::string::npos)
        return s;
    std::string out = "\"";
    for (char c : s)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

} // namespace

void writeStudentsCsv(const std::string& path, const ClassSummary& summary,
                      const std::string& root) {
    auto shown = [&root](const std::string& file) {
        std::error_code ec;
        const auto r = std::filesystem::relative(file, root, ec);
        return root.empty() || file.empty() || ec || r.empty() ? file : r.string();
    };
    std::string out = "name,surname,grade,identity,combination,entries,lifetimes saved,"
                      "mass histogram file,lifetime file\n";
    for (const auto& r : summary.students) {
        out += csvField(r.name) + "," + csvField(r.surname) + "," + csvField(r.grade) + "," +
               csvField(r.identity) + "," + std::to_string(r.combination) + "," +
               (r.entries ? number(*r.entries) : std::string()) + "," +
               std::to_string(r.lifetimesSaved) + "," + csvField(shown(r.massFile)) + "," +
               csvField(shown(r.lifetimeFile)) + "\n";
    }
    rootio::replaceFile(path, std::vector<std::uint8_t>(out.begin(), out.end()));
}

void writeClassRoot(const std::string& path, const ClassSummary& summary) {
    rootio::FileWriter writer(path, 1);
    analysis::Hist1D h = summary.massHistogram;
    h.setAxisTitles("D^{0} mass (MeV/c^{2})", "Candidates / (2 MeV/c^{2})");
    writer.addHistogram(analysis::toRootHistogram(h));

    const auto& fit = summary.massFit;
    std::vector<std::pair<std::string, std::vector<double>>> massFit = {
        {"histograms", {}}, {"entries", {}}, {"mean", {}},       {"meanError", {}}, {"sigma", {}},
        {"sigmaError", {}}, {"signal", {}},  {"background", {}}, {"trueMass", {}}};
    if (fit.fit.valid) {
        rootio::Graph curve;
        curve.name = "classMassFit";
        curve.title = "Gaussian plus line fit";
        for (int i = 0; i <= 200; ++i) {
            const double x = kMassMin + (kMassMax - kMassMin) * i / 200.0;
            curve.x.push_back(x);
            curve.y.push_back(summary.fittedMassModel(x));
        }
        writer.addGraph(curve);
        const double row[] = {double(summary.histogramsUsed),
                              summary.totalEntries(),
                              fit.fit.parameters[1],
                              fit.fit.errors[1],
                              fit.fit.parameters[2],
                              fit.fit.errors[2],
                              double(fit.signal),
                              double(fit.background),
                              kTrueD0Mass};
        for (std::size_t i = 0; i < massFit.size(); ++i)
            massFit[i].second.push_back(row[i]);
    }
    writer.addDoubleTree("ClassMassFit", "Fit of the class's D0 mass peak", massFit);

    std::vector<std::pair<std::string, std::vector<double>>> means = {
        {"trend", {}},         {"cut", {}},      {"mean", {}},
        {"standardError", {}}, {"students", {}}, {"trueLifetime", {}}};
    std::vector<std::pair<std::string, std::vector<double>>> points = {
        {"trend", {}}, {"combination", {}}, {"cut", {}}, {"lifetime", {}}, {"error", {}}};
    for (const auto& t : summary.trends) {
        for (const auto& c : t.classMeans) {
            const double row[] = {double(t.trend),    c.cut,          c.mean, c.standardError,
                                  double(c.students), kTrueD0Lifetime};
            for (std::size_t i = 0; i < means.size(); ++i)
                means[i].second.push_back(row[i]);
        }
        for (const auto& p : t.points) {
            const double row[] = {double(t.trend), double(p.combination), p.cut, p.lifetime,
                                  p.error};
            for (std::size_t i = 0; i < points.size(); ++i)
                points[i].second.push_back(row[i]);
        }
    }
    writer.addDoubleTree("ClassLifetimes", "Class lifetime per cut", means);
    writer.addDoubleTree("StudentLifetimes", "Students' saved lifetimes", points);
    writer.save();
}

} // namespace classroom
