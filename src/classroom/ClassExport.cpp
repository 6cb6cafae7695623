#include "classroom/ClassExport.h"

#include "analysis/RootHistogramConversion.h"
#include "analysis/TrendAxis.h"
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#include <cmath>

namespace classroom {

const char* const kClassExportKey = "VexelLumoraClassExport";

namespace {

using Columns = std::vector<std::pair<std::string, std::vector<double>>>;

void addRow(Columns& columns, std::initializer_list<double> row) {
    auto value = row.begin();
    for (auto& c : columns)
        c.second.push_back(*value++);
}

Columns named(std::initializer_list<const char*> names) {
    Columns c;
    for (const char* n : names)
        c.push_back({n, {}});
    return c;
}

void writeMassFit(rootio::FileWriter& writer, const ClassSummary& summary) {
    Columns massFit = named({"histograms", "entries", "mean", "meanError", "sigma", "sigmaError",
                             "signal", "background", "trueMass"});
    const auto& fit = summary.massFit;
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
        addRow(massFit,
               {double(summary.histogramsUsed), summary.totalEntries(), fit.fit.parameters[1],
                fit.fit.errors[1], fit.fit.parameters[2], fit.fit.errors[2], double(fit.signal),
                double(fit.background), kTrueD0Mass});
    }
    writer.addDoubleTree("ClassMassFit", "Fit of the class's D0 mass peak", massFit);
}

std::string oneLine(std::string s) {
    for (char& c : s)
        if (c == '\n' || c == '\r')
            c = ' ';
    return s;
}

struct ExportProblem {
    UnusedReason reason;
    std::string detail;
};

StudentRow rowFor(const std::string& identity, int combination) {
    StudentRow r;
    r.identity = identity;
    r.combination = combination;
    const auto n =
        studentfiles::parseStudentFileName(std::string(studentfiles::kMassHistogramPrefix) +
                                           std::to_string(combination) + "_" + identity + ".root");
    if (n) {
        r.name = n->name;
        r.surname = n->surname;
        r.grade = n->grade;
    }
    return r;
}

bool finite(const std::vector<double>& v) {
    for (double x : v)
        if (!std::isfinite(x))
            return false;
    return true;
}

ClassExportContent readContent(const rootio::FileReader& file) {
    const auto damaged = [](const std::string& what) {
        return ExportProblem{UnusedReason::Damaged, what};
    };
    ClassExportContent c;
    c.label = {file.readObjString("school"), file.readObjString("className"),
               file.readObjString("date")};
    c.written = std::stoll(file.readObjString("written"));
    std::vector<std::string> identities;
    const std::string list = file.readObjString("students");
    for (std::size_t start = 0; start < list.size();) {
        const auto end = std::min(list.find('\n', start), list.size());
        identities.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    const auto column = [&file](const char* tree, const char* branch) {
        return file.readColumn(tree, branch);
    };
    const auto combination = column("Students", "combination");
    const auto entries = column("Students", "entries");
    const auto lifetimesSaved = column("Students", "lifetimesSaved");
    const auto saved = column("Students", "saved");
    if (combination.size() != identities.size() || entries.size() != identities.size() ||
        lifetimesSaved.size() != identities.size() || saved.size() != identities.size())
        throw damaged("the students' list and table differ");
    if (!finite(entries) || !finite(saved))
        throw damaged("a student's entry holds an invalid number");
    for (std::size_t i = 0; i < identities.size(); ++i) {
        // Checked before any conversion to int: NaN and huge values fail every comparison.
        if (!(combination[i] >= 1 && combination[i] <= kCombinations))
            throw damaged("a combination outside 1 ... " + std::to_string(kCombinations));
        if (!(lifetimesSaved[i] >= 0 && lifetimesSaved[i] < 1e6))
            throw damaged("a student's count of saved lifetimes is invalid");
        StudentRow r = rowFor(identities[i], static_cast<int>(combination[i]));
        r.lifetimesSaved = static_cast<int>(lifetimesSaved[i]);
        r.saved = std::llround(saved[i] * 1e9);
        if (entries[i] >= 0) {
            rootio::Histogram1D h = file.readHistogram("studentMass/student" + std::to_string(i));
            if (h.nbins != kMassBins || h.xmin != kMassMin || h.xmax != kMassMax ||
                !finite(h.contents))
                throw damaged("a student's histogram of another binning or with invalid counts");
            if (h.sumw2.empty())
                h.sumw2 = h.contents;
            r.entries = h.entries;
            r.histogram = std::move(h);
        }
        c.students.push_back(std::move(r));
    }
    const auto student = column("StudentLifetimes", "student");
    const auto trend = column("StudentLifetimes", "trend");
    const auto cut = column("StudentLifetimes", "cut");
    const auto lifetime = column("StudentLifetimes", "lifetime");
    const auto error = column("StudentLifetimes", "error");
    for (std::size_t i = 0; i < student.size(); ++i) {
        const bool known = student[i] >= 0 && student[i] < double(c.students.size()) &&
                           i < trend.size() && trend[i] >= 0 && trend[i] < 1e6;
        if (!known || i >= cut.size() || i >= lifetime.size() || i >= error.size() ||
            !analysis::trendAxisFor(static_cast<int>(trend[i])) || !std::isfinite(cut[i]) ||
            !std::isfinite(lifetime[i]) || !std::isfinite(error[i]))
            throw damaged("a saved lifetime with an unknown student or trend or an invalid number");
        const auto k = static_cast<std::size_t>(student[i]);
        c.points[static_cast<int>(trend[i])].push_back(
            {c.students[k].identity, c.students[k].combination, cut[i], lifetime[i], error[i]});
    }
    return c;
}

} // namespace

void writeClassExport(const std::string& path, const ClassSummary& summary, const ClassLabel& label,
                      long long written) {
    rootio::FileWriter writer(path, 1);
    writer.addObjString(kClassExportKey, std::to_string(kClassExportFormat));
    writer.addObjString("school", oneLine(label.school));
    writer.addObjString("className", oneLine(label.className));
    writer.addObjString("date", oneLine(label.date));
    writer.addObjString("written", std::to_string(written));
    std::string identities;
    for (const auto& r : summary.students)
        identities += (identities.empty() ? "" : "\n") + oneLine(r.identity);
    writer.addObjString("students", identities);

    analysis::Hist1D h = summary.massHistogram;
    h.setAxisTitles("D^{0} mass (MeV/c^{2})", "Candidates / (2 MeV/c^{2})");
    writer.addHistogram(analysis::toRootHistogram(h));
    writeMassFit(writer, summary);

    Columns students = named(
        {"combination", "entries", "lifetimesSaved", "saved", "sharesCombination", "counted"});
    std::map<std::pair<std::string, int>, double> index;
    for (const auto& r : summary.students) {
        index[{r.identity, r.combination}] = double(index.size());
        addRow(students, {double(r.combination), r.histogram ? r.histogram->entries : -1.0,
                          double(r.lifetimesSaved), double(r.saved) * 1e-9,
                          double(r.sharesCombination), double(r.counted)});
    }
    writer.addDoubleTree("Students", "Each student's results", students);
    writer.enterDirectory("studentMass");
    for (std::size_t i = 0; i < summary.students.size(); ++i)
        if (const auto& h = summary.students[i].histogram) {
            rootio::Histogram1D copy = *h;
            copy.name = "student" + std::to_string(i);
            copy.title = oneLine(summary.students[i].identity);
            writer.addHistogram(copy);
        }
    writer.leaveDirectory();

    Columns means = named({"trend", "cut", "mean", "spread", "lowest", "highest", "analysisError",
                           "students", "trueLifetime"});
    Columns points = named({"student", "trend", "combination", "cut", "lifetime", "error"});
    for (const auto& t : summary.trends) {
        for (const auto& c : t.classMeans)
            addRow(means, {double(t.trend), c.cut, c.mean, c.spread, c.lowest, c.highest,
                           c.analysisError, double(c.students), kTrueD0Lifetime});
        for (const auto& p : t.points)
            addRow(points, {index[{p.identity, p.combination}], double(t.trend),
                            double(p.combination), p.cut, p.lifetime, p.error});
    }
    writer.addDoubleTree("ClassLifetimes", "Class lifetime per cut", means);
    writer.addDoubleTree("StudentLifetimes", "Students' saved lifetimes", points);
    writer.save();
}

ClassExportRead readClassExport(const std::string& path) {
    ClassExportRead out;
    out.reason = rootFileStart(path);
    if (out.reason != UnusedReason::None)
        return out;
    try {
        const rootio::FileReader file(path);
        if (!file.has(kClassExportKey)) {
            out.reason = UnusedReason::ForeignFile;
            out.detail = "not a class export of this program";
            return out;
        }
        const std::string version = file.readObjString(kClassExportKey);
        const int format = std::atoi(version.c_str());
        if (format > kClassExportFormat) {
            out.reason = UnusedReason::NewerFormat;
            out.detail = "format version " + std::to_string(format) +
                         "; this program reads up to version " + std::to_string(kClassExportFormat);
            return out;
        }
        if (format < 1) {
            out.reason = UnusedReason::Damaged;
            out.detail = "format version \"" + version + "\"";
            return out;
        }
        out.content = readContent(file);
    } catch (const ExportProblem& p) {
        out.reason = p.reason;
        out.detail = p.detail;
    } catch (const std::exception& e) {
        out.reason = UnusedReason::Damaged;
        out.detail = e.what();
    }
    return out;
}

} // namespace classroom
