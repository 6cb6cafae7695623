#pragma once

#include "rootio/TrackRecord.h"

#include <array>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// Trajectory points of a track, (x, y, z) each, in the detector geometry's coordinates.
using VxTrackPoints = std::vector<std::array<float, 3>>;

// One track record of an event file (class version 1 on file). A record refers to its name
// and point objects without owning them alone: copies share them.
class VxLumoTrack {
public:
    VxLumoTrack() = default;

    double mass = 0; // MeV/c^2
    double E = 0;    // MeV
    double px = 0;   // MeV/c
    double py = 0;
    double pz = 0;
    double chi2 = 0;                               // Track Chi2
    double q = 0;                                  // electric charge
    std::shared_ptr<const std::string> particleId; // particle name such as "pi+"; null: none
    std::shared_ptr<const VxTrackPoints> track;    // null: no point list
    double pvx = -9999.0;
    double pvy = -9999.0;
    double pvz = -9999.0;
    double ipchi2 = -9999.0;
    double ip = -9999.0;
    double zFirstMeasurement = -9999.0;

    // Writes the record to standard output, one value per line (E is not printed).
    void printTrack() const;
    void printTrack(std::ostream& out) const;

    // True when a's name object precedes b's in address order (identity, not text).
    static bool compare(VxLumoTrack a, VxLumoTrack b);

    // A record with fresh name and point objects made from the file content.
    static VxLumoTrack fromRecord(const rootio::TrackRecord& record);
    rootio::TrackRecord toRecord() const;
};
