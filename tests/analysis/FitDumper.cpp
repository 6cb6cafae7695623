// Fits made-up D0 candidates the way the exercise does and writes, per fit, the histogram,
// the fit set-up and our result as JSON, for an independent re-fit with iminuit.
#include "SyntheticCandidates.h"

#include "analysis/Chi2Fitter.h"
#include "analysis/D0Analysis.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

using namespace analysis;

namespace {

std::string number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

std::string list(const std::vector<double>& v) {
    std::string out = "[";
    for (std::size_t i = 0; i < v.size(); ++i)
        out += (i ? ", " : "") + number(v[i]);
    return out + "]";
}

struct Limit {
    bool set;
    double lo, hi;
};

std::string limits(const std::vector<Limit>& l) {
    std::string out = "[";
    for (std::size_t i = 0; i < l.size(); ++i) {
        out += i ? ", " : "";
        out += l[i].set ? "[" + number(l[i].lo) + ", " + number(l[i].hi) + "]" : "null";
    }
    return out + "]";
}

std::string fitCase(const std::string& name, const std::string& model, const Hist1D& h, double lo,
                    double hi, const std::vector<double>& start, const std::vector<Limit>& lims,
                    const Chi2FitResult& fit) {
    std::vector<double> x, y, err;
    for (int b = 1; b <= h.nbins(); ++b) {
        x.push_back(h.binCenter(b));
        y.push_back(h.binContent(b));
        err.push_back(h.binError(b));
    }
    std::ostringstream o;
    o << "{\"name\": \"" << name << "\", \"model\": \"" << model
      << "\", \"valid\": " << (fit.valid ? "true" : "false") << ",\n \"range\": [" << number(lo)
      << ", " << number(hi) << "],\n \"x\": " << list(x) << ",\n \"y\": " << list(y)
      << ",\n \"err\": " << list(err) << ",\n \"start\": " << list(start)
      << ",\n \"limits\": " << limits(lims) << ",\n \"parameters\": " << list(fit.parameters)
      << ",\n \"errors\": " << list(fit.errors) << ",\n \"chi2\": " << number(fit.chi2)
      << ", \"points\": " << fit.points << "}";
    return o.str();
}

std::vector<Limit> massLimits(const MassWindows& w) {
    const float smin = w.signal.min, smax = w.signal.max;
    return {{true, 0.0, 1e9},
            {true, smin, smax},
            {true, 0.0, static_cast<double>(smax - smin) / 2.0},
            {false, 0, 0},
            {false, 0, 0}};
}

std::vector<double> massStart(const MassWindows& w, const MassFitter& f) {
    const float smin = w.signal.min, smax = w.signal.max;
    return {80.0, static_cast<double>(smin + smax) * 0.5, 1.0, f.parameters()[3],
            f.parameters()[4]};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.json\n";
        return 2;
    }
    analysis_test::SyntheticSetup setup;
    setup.signal = 15000;
    setup.background = 25000;
    D0Analysis a(analysis_test::makeCandidates(setup));
    std::vector<std::string> cases;

    // First mass fit: [3] and [4] start at 0.
    CandidateCuts cuts;
    MassWindows w;
    w.signal = {1842.3f, 1887.3f};
    a.plotMass(cuts);
    std::vector<double> start = massStart(w, a.massFitter());
    if (!a.fitMass(w))
        return 1;
    cases.push_back(fitCase("mass_first", "gauss_line", *a.histograms().mass, 1815.0, 1915.0, start,
                            massLimits(w), a.lastMassFit()->fit));

    // Second mass fit with other cuts: [3] and [4] start from the first fit.
    cuts.pt = {4.0f, 20.0f};
    a.plotMass(cuts);
    w.signal = {1840.0f, 1890.0f};
    start = massStart(w, a.massFitter());
    if (!a.fitMass(w))
        return 1;
    cases.push_back(fitCase("mass_second", "gauss_line", *a.histograms().mass, 1815.0, 1915.0,
                            start, massLimits(w), a.lastMassFit()->fit));

    // Lifetime fit of the background-subtracted decay time.
    if (!a.plotDistributions(cuts, w) || !a.fitLifetime(cuts.tau))
        return 1;
    const LifetimeFitResult& life = *a.lastLifetimeFit();
    cases.push_back(fitCase("lifetime", "expo", *a.histograms().decayTimeSignalForFit,
                            life.rangeLow, life.rangeHigh, {life.startConstant, life.startSlope},
                            {{false, 0, 0}, {false, 0, 0}}, life.fit));

    // The decay-time control moved after plotting: the fit uses part of the histogram.
    const CutRange narrower{0.5f, 4.0f};
    if (!a.fitLifetime(narrower))
        return 1;
    const LifetimeFitResult& part = *a.lastLifetimeFit();
    cases.push_back(fitCase("lifetime_part", "expo", *a.histograms().decayTimeSignalForFit,
                            part.rangeLow, part.rangeHigh, {part.startConstant, part.startSlope},
                            {{false, 0, 0}, {false, 0, 0}}, part.fit));

    std::ofstream out(argv[1]);
    out << "[\n";
    for (std::size_t i = 0; i < cases.size(); ++i)
        out << (i ? ",\n" : "") << cases[i];
    out << "\n]\n";
    return out ? 0 : 1;
}
