#include "GuideNumbers.h"

#include "DataFiles.h"
#include "EventExercise.h"
#include "analysis/CandidateFileLoader.h"
#include "analysis/D0Analysis.h"

#include <cmath>
#include <stdexcept>

using namespace analysis;

namespace {

void require(const AnalysisStatus& status, const char* step) {
    if (!status)
        throw std::runtime_error(std::string(step) + ": " + status.message);
}

// A slider edge as its one-decimal field shows it.
float oneDecimal(double v) {
    return static_cast<float>(std::round(v * 10.0) / 10.0);
}

// The lifetime fit after plotting the distributions with the cuts, as the exercise's buttons do.
const LifetimeFitResult& lifetimeFor(D0Analysis& a, const CandidateCuts& cuts,
                                     const MassWindows& windows) {
    require(a.plotMass(cuts), "plot mass");
    require(a.fitMass(windows), "fit mass");
    require(a.plotDistributions(cuts, windows), "plot distributions");
    require(a.fitLifetime(cuts.tau), "fit lifetime");
    return *a.lastLifetimeFit();
}

bool startsAt(const VxLumoTrack& t, const std::array<float, 3>& point) {
    return t.track && !t.track->empty() && t.track->front() == point;
}

// Picks the record by its line and puts it into a slot, as a click and "Save particle" do.
bool choose(EventExercise& exercise, const VxLumoTrack& record) {
    const VxTrackPoints& points = *record.track;
    if (!exercise.pick(points.front(), points.back()))
        return false;
    return exercise.saveParticle().slot != SlotChoice::TooMany;
}

} // namespace

int GuideNumbers::candidatesInDataSet(int combination) {
    EventExercise exercise("guide");
    if (exercise.openDataSet(combination) != EventExercise::DataSet::Opened)
        throw std::runtime_error("data set " + std::to_string(combination) + ": " +
                                 exercise.problem());
    int added = 0;
    for (int event = 0; event < exercise.events(); ++event) {
        if (event > 0)
            exercise.next();
        if (!exercise.readEvent())
            throw std::runtime_error(exercise.problem());
        const VxLumoTrack* d0 = nullptr;
        for (const VxLumoTrack& r : exercise.records())
            if (r.particleId && *r.particleId == "D0" && r.track && !r.track->empty())
                d0 = &r;
        if (!d0)
            continue;
        exercise.resetChoice();
        int chosen = 0;
        for (const VxLumoTrack& r : exercise.records())
            if (&r != d0 && startsAt(r, d0->track->back()) && r.particleId &&
                (r.particleId->front() == 'K' || r.particleId->rfind("pi", 0) == 0))
                chosen += choose(exercise, r) ? 1 : 0;
        if (chosen != 2)
            continue;
        exercise.calculate();
        if (exercise.add() == EventExercise::Added::Added)
            ++added;
    }
    return added;
}

std::vector<GuideNumber> GuideNumbers::compute() {
    const auto file = DataFiles::find(DataFiles::candidates());
    if (!file)
        throw std::runtime_error("no candidate file " + DataFiles::candidates());
    D0Analysis a(CandidateFileLoader::load(*file));

    CandidateCuts cuts;
    require(a.plotMass(cuts), "plot mass");
    require(a.fitMass(MassWindows{}), "fit mass");
    const double mean = a.lastMassFit()->fit.parameters[1];
    const double sigma = a.lastMassFit()->fit.parameters[2];

    // The signal window at +-3 sigma, as the instructions ask; the background range whole.
    MassWindows windows;
    windows.signal = {oneDecimal(mean - 3 * sigma), oneDecimal(mean + 3 * sigma)};
    const LifetimeFitResult open = lifetimeFor(a, cuts, windows);
    cuts.logIP.max = -1.5f;
    const LifetimeFitResult ipCut = lifetimeFor(a, cuts, windows);

    int combinations = 0;
    int candidates = -1;
    bool same = true;
    while (DataFiles::find(DataFiles::eventFile(combinations + 1))) {
        const int n = candidatesInDataSet(++combinations);
        same = same && (candidates < 0 || n == candidates);
        candidates = candidates < 0 ? n : std::min(candidates, n);
    }
    if (combinations == 0)
        throw std::runtime_error("no event file " + DataFiles::eventFile(1));

    const std::string massHow = "Gaussian plus line fitted to the candidate mass histogram "
                                "(200 bins, 1815-1915 MeV/c2), every cut open, both mass "
                                "ranges whole";
    const std::string tauHow = "signal window mean +-3 sigma of the mass fit (one decimal), "
                               "background range whole, sideband-subtracted decay time "
                               "fitted with an exponential over the decay-time cut";
    return {
        {"mass-peak", mean, 1, "mean of the " + massHow},
        {"mass-width", sigma, 1, "sigma of the " + massHow},
        {"lifetime-open", open.tau, 3, "every cut at its initial value; " + tauHow},
        {"lifetime-open-error", open.tauError, 3, "statistical error of lifetime-open"},
        {"lifetime-ip-cut", ipCut.tau, 3,
         "upper log10(IP/mm) cut at -1.5, other cuts open; " + tauHow},
        {"lifetime-ip-cut-error", ipCut.tauError, 3, "statistical error of lifetime-ip-cut"},
        {"d0-candidates", double(candidates), 0,
         "masses added to the histogram when the kaon and pion from the D0 are picked in each "
         "event of a data set; " +
             std::string(same ? "the same" : "the smallest") + " in all " +
             std::to_string(combinations) + " data sets"},
    };
}
