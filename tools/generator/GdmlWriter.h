#pragma once

#include "DetectorGeometry.h"

#include <string>

namespace vexelgen {

// Serialises a DetectorGeometry as GDML (lengths in mm, angles in degrees).
class GdmlWriter {
public:
    static std::string toGdml(const DetectorGeometry& geometry);
};

} // namespace vexelgen
