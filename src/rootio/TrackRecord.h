#pragma once

#include <array>
#include <string>
#include <vector>

namespace rootio {

// The on-file content of one VxLumoTrack record (class version 1).
struct TrackRecord {
    double mass = 0, E = 0, px = 0, py = 0, pz = 0, chi2 = 0, q = 0;
    std::string particleId;
    bool hasParticleId = true; // false: null TObjString pointer
    std::vector<std::array<float, 3>> points;
    bool hasTrack = true; // false: null TPointsArray3D pointer
    double pvx = -9999.0, pvy = -9999.0, pvz = -9999.0, ipchi2 = -9999.0, ip = -9999.0,
           zFirstMeasurement = -9999.0;
};

} // namespace rootio
