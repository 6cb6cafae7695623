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

    // The numbers as rootio/TrackRecord.h lists them (mass, E, px ... q, pvx ...).
    VXLUMO_TRACK_LEADING_NUMBERS(VXLUMO_TRACK_DECLARE_NUMBER)
    std::shared_ptr<const std::string> particleId; // particle name such as "pi+"; null: none
    std::shared_ptr<const VxTrackPoints> track;    // null: no point list
    VXLUMO_TRACK_TRAILING_NUMBERS(VXLUMO_TRACK_DECLARE_NUMBER)

    // Writes the record to standard output, one value per line (E is not printed).
    void printTrack() const;
    void printTrack(std::ostream& out) const;

    // True when a's name object precedes b's in address order (identity, not text).
    static bool compare(VxLumoTrack a, VxLumoTrack b);

    // A record with fresh name and point objects made from the file content.
    static VxLumoTrack fromRecord(const rootio::TrackRecord& record);
    rootio::TrackRecord toRecord() const;
};
