#include "SyntheticCandidates.h"

#include <cmath>
#include <random>
#include <vector>

namespace analysis_test {

namespace {
class Generator {
public:
    explicit Generator(std::uint64_t seed) : engine_(seed) {}
    double uniform() { return (static_cast<double>(engine_() >> 11) + 0.5) * 0x1.0p-53; }
    double exponential(double mean) { return -mean * std::log(uniform()); }
    double gaussian(double mean, double sigma) {
        return mean +
               sigma * std::sqrt(-2.0 * std::log(uniform())) * std::cos(2.0 * M_PI * uniform());
    }

private:
    std::mt19937_64 engine_;
};
} // namespace

analysis::CandidateColumns makeCandidates(const SyntheticSetup& setup) {
    Generator g(setup.seed);
    std::vector<double> mm, pt, tau, ip;
    const auto add = [&](double mass, double tauPs, double ptScale, double ipScale) {
        mm.push_back(mass);
        pt.push_back(2000.0 + g.exponential(ptScale));
        tau.push_back((0.1 + g.exponential(tauPs)) / 1000.0);
        ip.push_back(std::pow(10.0, g.gaussian(ipScale, 0.5)));
    };
    for (std::size_t i = 0; i < setup.signal; ++i)
        add(g.gaussian(setup.mean, setup.sigma), setup.signalTauPs, 3000.0, -2.0);
    for (std::size_t i = 0; i < setup.background; ++i)
        add(setup.massLow + (setup.massHigh - setup.massLow) * g.uniform(), setup.backgroundTauPs,
            2000.0, -1.3);
    return analysis::CandidateColumns(std::move(mm), std::move(pt), std::move(tau), std::move(ip));
}

} // namespace analysis_test
