#pragma once

#include "Random.h"
#include "rootio/TrackRecord.h"

#include <cstdint>
#include <vector>

namespace vexelgen {

// Simulated collision events with one D0 -> K pi decay each, as the event display reads them:
// record 0 the D0 (its points run from the primary vertex to the decay vertex), records 1 and
// 2 the kaon and the pion (starting at the decay vertex), then the other tracks of the
// collision, all starting at the primary vertex.
class EventGenerator {
public:
    explicit EventGenerator(std::uint64_t seed) : rng_(seed) {}

    std::vector<rootio::TrackRecord> event();
    std::vector<std::vector<rootio::TrackRecord>> events(int count);

    static constexpr int kMinOtherTracks = 15, kMaxOtherTracks = 40;
    // Relative momentum resolution of the daughters.
    static constexpr double kMomentumResolution = 0.005;

private:
    using Vec3 = std::array<double, 3>;

    struct Vertex {
        Vec3 position;
    };

    void addSignal(std::vector<rootio::TrackRecord>& records, const Vec3& pv);
    rootio::TrackRecord otherTrack(const Vec3& pv);
    rootio::TrackRecord chargedTrack(const std::string& name, double mass, double charge,
                                     const Vec3& momentum, const Vec3& start, const Vec3& pv);
    double trackChi2();
    Vec3 direction(double eta, double phi);

    Random rng_;
};

// Impact-parameter resolution (mm) of a track with transverse momentum pt (MeV/c).
double impactParameterResolution(double pt);

} // namespace vexelgen
