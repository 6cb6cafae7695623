// Times the D0 exercise's buttons on a large candidate file: loading the columns once, then
// each button's computation, against the classic way of reading the tree entry by entry on
// every press.
//   analysis_bench [CANDIDATES] [--file PATH]
#include "analysis/CandidateFileLoader.h"
#include "analysis/D0Analysis.h"
#include "analysis/Hist1D.h"

#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"

#ifdef VEXEL_BENCH_HAS_GENERATOR
#include "CandidateGenerator.h"
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

using namespace analysis;
using Clock = std::chrono::steady_clock;

namespace {

double millisecondsOf(const std::function<void()>& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// Median of several runs.
double median(const std::function<void()>& f, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i)
        t.push_back(millisecondsOf(f));
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

std::vector<std::pair<std::string, std::vector<double>>> makeColumns(int n) {
    std::vector<double> mm, pt, tau, ip;
#ifdef VEXEL_BENCH_HAS_GENERATOR
    vexelgen::CandidateGenerator gen(20120101);
    auto s = gen.generate(n);
    mm = std::move(s.D0_MM);
    pt = std::move(s.D0_PT);
    tau = std::move(s.D0_TAU);
    ip = std::move(s.D0_MINIP);
#else
    std::mt19937_64 rng(20120101);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::normal_distribution<double> g(0.0, 1.0);
    for (int i = 0; i < n; ++i) {
        const bool signal = u(rng) < 0.55;
        mm.push_back(signal ? 1864.84 + 7.5 * g(rng) : 1815.0 + 100.0 * u(rng));
        pt.push_back(2500.0 + 17500.0 * std::pow(u(rng), 3.0));
        tau.push_back((0.1 - (signal ? 0.41 : 0.9) * std::log(u(rng))) / 1000.0);
        ip.push_back(std::pow(10.0, -2.0 + 0.6 * g(rng)));
    }
#endif
    return {{"D0_MM", mm}, {"D0_PT", pt}, {"D0_TAU", tau}, {"D0_MINIP", ip}};
}

// The classic way: every press reads the tree again, entry by entry, into branch buffers.
struct ClassicReader {
    const rootio::FileReader& file;
    template <typename PerEntry> void forEachEntry(PerEntry perEntry) const {
        const auto mm = file.readColumn("DecayTree", "D0_MM");
        const auto pt = file.readColumn("DecayTree", "D0_PT");
        const auto tau = file.readColumn("DecayTree", "D0_TAU");
        const auto ip = file.readColumn("DecayTree", "D0_MINIP");
        double D0_MM, D0_PT, D0_TAU, D0_MINIP;
        for (std::size_t i = 0; i < mm.size(); ++i) {
            D0_MM = mm[i];
            D0_PT = pt[i];
            D0_TAU = tau[i];
            D0_MINIP = ip[i];
            perEntry(D0_MM, D0_PT, D0_TAU, D0_MINIP);
        }
    }
};

bool classicSelected(const CandidateCuts& c, double pt, double tau, double ip) {
    if (pt < c.pt.min * 1000.0 || pt > c.pt.max * 1000.0)
        return false;
    if (tau < c.tau.min / 1000.0 || tau > c.tau.max / 1000.0)
        return false;
    return !(std::log10(ip) < c.logIP.min || std::log10(ip) > c.logIP.max);
}

} // namespace

int main(int argc, char** argv) {
    int n = 1000000;
    std::string path =
        (std::filesystem::temp_directory_path() / "vexel_bench_candidates.root").string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--file" && i + 1 < argc)
            path = argv[++i];
        else
            n = std::stoi(arg);
    }

    std::printf("D0 analysis benchmark, %d candidates\n", n);
    auto columns = makeColumns(n);
    const double writeMs = millisecondsOf([&] {
        rootio::FileWriter w(path);
        w.addDoubleTree("DecayTree", "D0 candidates", columns);
        w.save();
    });
    columns.clear();
    std::printf("  %-44s %9.1f ms\n", "write the candidate file (set-up)", writeMs);

    CandidateColumns loaded;
    const double loadMs = millisecondsOf([&] { loaded = CandidateFileLoader::load(path); });
    std::printf("  %-44s %9.1f ms\n", "load the four columns once", loadMs);
    D0Analysis a(std::move(loaded));

    const int runs = 7;
    CandidateCuts cuts;
    MassWindows w;
    w.signal = {1842.3f, 1887.3f};
    // Alternate the cuts so that every plot selects afresh.
    int flip = 0;
    const auto nextCuts = [&] {
        CandidateCuts c;
        c.pt.min = (flip++ % 2) ? 2.5f : 2.6f;
        return c;
    };

    struct Row {
        const char* name;
        double ours, classic;
    };
    std::vector<Row> rows;
    rows.push_back({"Plot D0 mass (selection + histogram)",
                    median(
                        [&] {
                            cuts = nextCuts();
                            a.plotMass(cuts);
                        },
                        runs),
                    0});
    rows.push_back({"Fit mass distribution", median([&] { a.fitMass(w); }, runs), 0});
    rows.push_back({"Plot distributions (with new selection)",
                    median(
                        [&] {
                            cuts = nextCuts();
                            a.plotDistributions(cuts, w);
                        },
                        runs),
                    0});
    rows.push_back({"Plot distributions (after Plot D0 mass)",
                    median([&] { a.plotDistributions(cuts, w); }, runs), 0});
    rows.push_back({"Fit signal decay time", median([&] { a.fitLifetime(cuts.tau); }, runs), 0});

    // The classic way, for the two buttons that loop over the candidates.
    const rootio::FileReader file(path);
    const ClassicReader classic{file};
    rows[0].classic = median(
        [&] {
            Hist1D h("D0Mass", "D0Mass", 200, 1815.0, 1915.0);
            classic.forEachEntry([&](double mm, double pt, double tau, double ip) {
                if (classicSelected(cuts, pt, tau, ip))
                    h.fill(mm);
            });
        },
        3);
    const auto classicDistributions = [&] {
        const double r = a.lastScaleFactor();
        Hist1D pS("a", "", 175, 2.5, 20), tS("b", "", 1000, 0.15f, 10.15f),
            iS("c", "", 110, -4, 1.5), fS("d", "", 100, cuts.tau.min, cuts.tau.max);
        Hist1D pB = pS, tB = tS, iB = iS, fB = fS;
        classic.forEachEntry([&](double mm, double pt, double tau, double ip) {
            if (!classicSelected(cuts, pt, tau, ip))
                return;
            const bool sig = !(mm < w.signal.min) && !(mm > w.signal.max);
            (sig ? pS : pB).fill(pt / 1000.0);
            (sig ? tS : tB).fill(tau * 1000.0);
            (sig ? fS : fB).fill(tau * 1000.0);
            (sig ? iS : iB).fill(std::log10(ip));
        });
        pS.add(pB, -r);
        tS.add(tB, -r);
        iS.add(iB, -r);
        fS.add(fB, -r);
    };
    rows[2].classic = median(classicDistributions, 3);
    rows[3].classic = rows[2].classic;

    std::printf("\n  %-44s %12s %12s %8s\n", "button", "columns (ms)", "classic (ms)", "ratio");
    for (const Row& r : rows) {
        if (r.classic > 0)
            std::printf("  %-44s %12.2f %12.1f %7.0fx\n", r.name, r.ours, r.classic,
                        r.classic / r.ours);
        else
            std::printf("  %-44s %12.2f %12s %8s\n", r.name, r.ours, "-", "-");
    }
    const auto& life = *a.lastLifetimeFit();
    std::printf("\n  lifetime %.4f +- %.4f ps, mass peak %.2f, sigma %.2f\n", life.tau,
                life.tauError, a.lastMassFit()->fit.parameters[1],
                a.lastMassFit()->fit.parameters[2]);
    std::remove(path.c_str());
    return 0;
}
