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
        double sum = 0;
        for (const auto* p : ps)
            sum += p->lifetime;
        c.mean = sum / c.students;
        if (c.students == 1) {
            c.standardError = ps.front()->error;
        } else {
            double sq = 0;
            for (const auto* p : ps)
                sq += (p->lifetime - c.mean) * (p->lifetime - c.mean);
            c.standardError = std::sqrt(sq / (c.students - 1) / c.students);
        }
        t.classMeans.push_back(c);
    }
    t.points = std::move(points);
    return t;
}

} // namespace

double ClassSummary::fittedMassModel(double x) const {
    if (massFit.fit.parameters.size() != analysis::MassFitter::kParameters)
        return 0.0;
    return analysis::GaussianPlusLineModel().value(x, massFit.fit.parameters.data());
}

ClassSummary summarize(const std::map<std::string, CheckedFile>& files,
                       const std::string& classFolder) {
    ClassSummary s;
    std::map<std::pair<std::string, int>, StudentRow> rows;
    std::map<int, std::vector<StudentLifetimePoint>> trendPoints;
    double entries = 0;
    for (const auto& [path, f] : files) {
        if (!f.valid()) {
            s.unused.push_back({path, f.reason, f.detail});
            continue;
        }
        const studentfiles::StudentFileName& n = *f.name;
        s.used.push_back({path, n});
        s.combinationsUsed.insert(n.combination);
        StudentRow& row = rows[{n.identity, n.combination}];
        row.classFolder = classFolder;
        row.identity = n.identity;
        row.name = n.name;
        row.surname = n.surname;
        row.grade = n.grade;
        row.combination = n.combination;
        if (f.histogram) {
            addHistogram(s.massHistogram, *f.histogram);
            entries += f.histogram->entries;
            row.entries = f.histogram->entries;
            row.massFile = path;
            ++s.histogramsUsed;
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
    // Entries: set through a zero-weight fill count, as the bins were set directly.
    s.massHistogram.addUnitWeightCounts(std::vector<double>(kMassBins + 2, 0.0).data(), entries);
    for (auto& [key, row] : rows)
        s.students.push_back(std::move(row));
    for (auto& [trend, points] : trendPoints)
        s.trends.push_back(trendSummary(trend, std::move(points)));
    if (s.histogramsUsed > 0 && s.massHistogram.integral() > 0) {
        analysis::MassFitter fitter;
        s.massFit = fitter.fit(s.massHistogram, analysis::MassWindows{});
    } else {
        s.massFit.fit.message = "no entries to fit";
    }
    return s;
}

} // namespace classroom
