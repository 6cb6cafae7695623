#pragma once

#include <array>
#include <string>
#include <vector>

// The numbers of a VxLumoTrack record (class version 1) in their order on file, listed once
// for the record types, the streamer information, the reader and the writer. Each entry is
// X(member, initial value, streamer title); the particle name and the point list stand
// between the leading and the trailing numbers.
#define VXLUMO_TRACK_LEADING_NUMBERS(X)                                                            \
    X(mass, 0.0, "") /* MeV/c^2 */                                                                 \
    X(E, 0.0, "")    /* MeV */                                                                     \
    X(px, 0.0, "")   /* MeV/c */                                                                   \
    X(py, 0.0, "")                                                                                 \
    X(pz, 0.0, "")                                                                                 \
    X(chi2, 0.0, "Track Chi2")                                                                     \
    X(q, 0.0, "") /* electric charge */
#define VXLUMO_TRACK_TRAILING_NUMBERS(X)                                                           \
    X(pvx, -9999.0, "")                                                                            \
    X(pvy, -9999.0, "")                                                                            \
    X(pvz, -9999.0, "")                                                                            \
    X(ipchi2, -9999.0, "")                                                                         \
    X(ip, -9999.0, "")                                                                             \
    X(zFirstMeasurement, -9999.0, "")

// A number member with its initial value, for the record types above.
#define VXLUMO_TRACK_DECLARE_NUMBER(member, initial, title) double member = initial;

namespace rootio {

// Names of the record's two object members on file.
constexpr const char* kTrackParticleIdMember = "particleId"; // TObjString*
constexpr const char* kTrackPointsMember = "track";          // TPointsArray3D*

// The on-file content of one VxLumoTrack record (class version 1).
struct TrackRecord {
    VXLUMO_TRACK_LEADING_NUMBERS(VXLUMO_TRACK_DECLARE_NUMBER)
    std::string particleId;
    bool hasParticleId = true; // false: null TObjString pointer
    std::vector<std::array<float, 3>> points;
    bool hasTrack = true; // false: null TPointsArray3D pointer
    VXLUMO_TRACK_TRAILING_NUMBERS(VXLUMO_TRACK_DECLARE_NUMBER)
};

} // namespace rootio
