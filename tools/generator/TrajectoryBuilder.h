#pragma once

#include <array>
#include <vector>

namespace vexelgen {

// Where a trajectory ends when the particle stays inside the detector.
enum class TrackEnd { Ecal, Hcal, MuonSystem };

// Measured trajectory points (mm): straight outside the dipole, a circular arc in the x-z
// plane inside it (the curvature follows from the charge, the momentum and the magnet's
// transverse kick). Points are dense near the origin and at every detector plane; the
// trajectory stops where the particle leaves the acceptance (magnet aperture, station or
// calorimeter edges) or turns back inside the field.
class TrajectoryBuilder {
public:
    using Point = std::array<float, 3>;

    static std::vector<Point> build(const std::array<double, 3>& origin,
                                    const std::array<double, 3>& momentum, double charge,
                                    TrackEnd end);
};

} // namespace vexelgen
