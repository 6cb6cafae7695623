#include "classroom/ClassSummary.h"

#include "analysis/GaussianPlusLineModel.h"
#include "analysis/TrendAxis.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace classroom {

namespace {

// Cut values are read from controls showing one or two decimals: equal when they agree to
// well below that.
long long cutKey(double cut) {
    return std::llround(cut * 1e4);
}

void addHistogram(analysis::Hist1D& sum, const rootio::Histogram1D& h) {
    for (int bin = 0; bin <= kMassBins + 1; ++bin)
        sum.setBin(bin, sum.binContent(bin) + h.contents[bin], sum.sumw2(bin) + h.sumw2[bin]);
}

TrendSummary trendSummary(int trend, std::vector<StudentLifetimePoint> points) {
    TrendSummary t;
    t.trend = trend;
    // A student who saved the same cut more than once counts once, with the last result.
    std::map<std::tuple<long long, std::string, int>, const StudentLifetimePoint*> last;
    for (const auto& p : points)
        last[{cutKey(p.cut), p.identity, p.combination}] = &p;
    std::map<long long, std::vector<const StudentLifetimePoint*>> byCut;
    for (const auto& [key, p] : last)
        byCut[std::get<0>(key)].push_back(p);
    for (const auto& [key, ps] : byCut) {
        ClassLifetimeAtCut c;
        c.cut = ps.front()->cut;
        c.students = static_cast<int>(ps.size());
        c.lowest = c.highest = ps.front()->lifetime;
        double sum = 0;
        std::vector<double> errors;
        for (const auto* p : ps) {
            sum += p->lifetime;
            c.lowest = std::min(c.lowest, p->lifetime);
            c.highest = std::max(c.highest, p->lifetime);
            errors.push_back(p->error);
        }
        c.mean = sum / c.students;
        double sq = 0;
        for (const auto* p : ps)
            sq += (p->lifetime - c.mean) * (p->lifetime - c.mean);
        c.spread = c.students > 1 ? std::sqrt(sq / (c.students - 1)) : 0.0;
        std::sort(errors.begin(), errors.end());
        const std::size_t n = errors.size();
        c.analysisError = n % 2 ? errors[n / 2] : 0.5 * (errors[n / 2 - 1] + errors[n / 2]);
        t.classMeans.push_back(c);
    }
    t.points = std::move(points);
    return t;
}

// Flags the rows whose histograms are on the same combination; under CountOnce only the
// first saved of them (of two as early, the first in class and identity order) counts.
void applyDuplicateRule(std::vector<StudentRow>& rows, DuplicateRule rule, std::set<int>& twice) {
    std::map<int, std::vector<StudentRow*>> byCombination;
    for (auto& r : rows) {
        r.sharesCombination = false;
        r.counted = r.histogram.has_value();
        if (r.histogram)
            byCombination[r.combination].push_back(&r);
    }
    for (auto& [combination, same] : byCombination) {
        if (same.size() < 2)
            continue;
        twice.insert(combination);
        const StudentRow* first = *std::min_element(
            same.begin(), same.end(), [](const StudentRow* a, const StudentRow* b) {
                return std::tie(a->saved, a->classFolder, a->identity) <
                       std::tie(b->saved, b->classFolder, b->identity);
            });
        for (StudentRow* r : same) {
            r->sharesCombination = true;
            r->counted = rule == DuplicateRule::CountEveryFile || r == first;
        }
    }
}

} // namespace

double ClassSummary::fittedMassModel(double x) const {
    if (massFit.fit.parameters.size() != analysis::MassFitter::kParameters)
        return 0.0;
    return analysis::GaussianPlusLineModel().value(x, massFit.fit.parameters.data());
}

ClassSummary summarize(const std::map<std::string, CheckedFile>& files,
                       const std::string& classFolder, DuplicateRule rule) {
    ClassRows c = collectRows(files, classFolder);
    ClassSummary s = summarizeRows(std::move(c.rows), std::move(c.points), rule);
    s.used = std::move(c.used);
    s.unused = std::move(c.unused);
    return s;
}

ClassRows collectRows(const std::map<std::string, CheckedFile>& files,
                      const std::string& classFolder) {
    ClassRows out;
    auto& used = out.used;
    auto& unused = out.unused;
    std::map<std::pair<std::string, int>, StudentRow> rows;
    std::map<int, std::vector<StudentLifetimePoint>> trendPoints;
    for (const auto& [path, f] : files) {
        if (!f.valid()) {
            unused.push_back({path, f.reason, f.detail});
            continue;
        }
        const studentfiles::StudentFileName& n = *f.name;
        used.push_back({path, n});
        StudentRow& row = rows[{n.identity, n.combination}];
        row.classFolder = classFolder;
        row.identity = n.identity;
        row.name = n.name;
        row.surname = n.surname;
        row.grade = n.grade;
        row.combination = n.combination;
        if (f.histogram) {
            row.entries = f.histogram->entries;
            row.massFile = path;
            row.histogram = f.histogram;
            row.saved = f.modified;
        }
        if (f.lifetimes) {
            row.lifetimesSaved = static_cast<int>(f.lifetimes->lifetimes.size());
            row.lifetimeFile = path;
            for (const auto& l : f.lifetimes->lifetimes) {
                const analysis::TrendPoint p(l.cutMin, l.cutMax, l.lifetime, l.error);
                trendPoints[l.trend].push_back({n.identity, n.combination,
                                                (*analysis::trendAxisFor(l.trend))(p), l.lifetime,
                                                l.error});
            }
        }
    }
    for (auto& [key, row] : rows)
        out.rows.push_back(std::move(row));
    out.points = std::move(trendPoints);
    return out;
}

ClassSummary summarizeRows(std::vector<StudentRow> rows,
                           std::map<int, std::vector<StudentLifetimePoint>> points,
                           DuplicateRule rule) {
    ClassSummary s;
    s.rule = rule;
    applyDuplicateRule(rows, rule, s.combinationsTwice);
    double entries = 0;
    for (const auto& row : rows) {
        s.combinationsUsed.insert(row.combination);
        if (row.histogram && row.counted) {
            addHistogram(s.massHistogram, *row.histogram);
            entries += row.histogram->entries;
            ++s.histogramsUsed;
        }
    }
    // Entries: set through a zero-weight fill count, as the bins were set directly.
    s.massHistogram.addUnitWeightCounts(std::vector<double>(kMassBins + 2, 0.0).data(), entries);
    s.students = std::move(rows);
    for (auto& [trend, p] : points)
        s.trends.push_back(trendSummary(trend, std::move(p)));
    if (s.histogramsUsed > 0 && s.massHistogram.integral() > 0) {
        analysis::MassFitter fitter;
        s.massFit = fitter.fit(s.massHistogram, analysis::MassWindows{});
    } else {
        s.massFit.fit.message = "no entries to fit";
    }
    return s;
}

} // namespace classroom
