#include "LoadStudentWork.h"

#include "classroom/StudentFileCheck.h"

namespace classtest {

namespace {

constexpr double kBinWidth = (classroom::kMassMax - classroom::kMassMin) / classroom::kMassBins;
constexpr int kTrend = 2; // the upper cut edge varies
constexpr double kError = 0.012;

double lifetimeOf(double cut) {
    return 0.3 + cut * 1e-5;
}

} // namespace

std::vector<double> loadHistogramMasses(int n) {
    const double centre = classroom::kMassMin + (n % classroom::kMassBins + 0.5) * kBinWidth;
    return std::vector<double>(static_cast<size_t>(n) + 1, centre);
}

analysis::LifetimeResults loadLifetimes(int n) {
    analysis::LifetimeResults r;
    r.lifetimes.push_back({kTrend, -4.0, double(n), lifetimeOf(double(n)), kError});
    return r;
}

std::optional<int> loadSaveOfHistogram(const rootio::Histogram1D& histogram) {
    if (histogram.nbins != classroom::kMassBins ||
        histogram.contents.size() != size_t(histogram.nbins) + 2)
        return std::nullopt;
    int filled = -1;
    for (int bin = 1; bin <= histogram.nbins; ++bin)
        if (histogram.contents[size_t(bin)] != 0) {
            if (filled >= 0)
                return std::nullopt;
            filled = bin;
        }
    if (filled < 0 || histogram.contents[0] != 0 || histogram.contents.back() != 0)
        return std::nullopt;
    const double count = histogram.contents[size_t(filled)];
    const int n = int(count) - 1;
    if (count != double(n + 1) || histogram.entries != count ||
        n % classroom::kMassBins != filled - 1)
        return std::nullopt;
    return n;
}

std::optional<int> loadSaveOfLifetime(double cut, double lifetime, double error) {
    const int n = int(cut);
    if (cut != double(n) || n < 0 || lifetime != lifetimeOf(cut) || error != kError)
        return std::nullopt;
    return n;
}

} // namespace classtest
