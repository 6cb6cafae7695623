#include "analysis/CandidateSelection.h"

namespace analysis {

namespace {
struct Edges {
    double ptLo, ptHi, tauLo, tauHi, ipLo, ipHi;
    explicit Edges(const CandidateCuts& c)
        : ptLo(static_cast<double>(c.pt.min) * 1000.0),
          ptHi(static_cast<double>(c.pt.max) * 1000.0),
          tauLo(static_cast<double>(c.tau.min) / 1000.0),
          tauHi(static_cast<double>(c.tau.max) / 1000.0), ipLo(c.logIP.min), ipHi(c.logIP.max) {}
};
} // namespace

bool CandidateSelection::passes(const CandidateColumns& c, std::size_t i,
                                const CandidateCuts& cuts) {
    const Edges e(cuts);
    const double pt = c.pt()[i], tau = c.tau()[i], ip = c.log10IP()[i];
    return !(pt < e.ptLo || pt > e.ptHi) && !(tau < e.tauLo || tau > e.tauHi) &&
           !(ip < e.ipLo || ip > e.ipHi);
}

std::vector<std::uint32_t> CandidateSelection::select(const CandidateColumns& c,
                                                      const CandidateCuts& cuts) {
    const Edges e(cuts);
    const std::size_t n = c.size();
    const double* pt = c.pt().data();
    const double* tau = c.tau().data();
    const double* ip = c.log10IP().data();
    std::vector<std::uint32_t> selected(n);
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const bool pass = !(pt[i] < e.ptLo) & !(pt[i] > e.ptHi) & !(tau[i] < e.tauLo) &
                          !(tau[i] > e.tauHi) & !(ip[i] < e.ipLo) & !(ip[i] > e.ipHi);
        selected[count] = static_cast<std::uint32_t>(i);
        count += pass;
    }
    selected.resize(count);
    return selected;
}

} // namespace analysis
