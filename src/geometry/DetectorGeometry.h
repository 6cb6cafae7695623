#pragma once

#include "MaterialLook.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vexel::geometry {

class GeometryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Material {
    std::string name;
    MaterialLook look; // as loaded
};

// A logical volume: placed one or more times.
struct Volume {
    std::string name;
    int material = -1; // index into materials(), -1 without material
};

// One drawn placement: the solid's surface in world coordinates (mm).
struct PlacedMesh {
    int volume = -1; // index into volumes()
    int depth = 0;   // 1 for daughters of the world
    std::vector<std::array<float, 3>> vertices;
    // Polygons as vertex counts and indices into vertices, one after the other.
    std::vector<std::uint32_t> polygonSizes;
    std::vector<std::uint32_t> polygonIndices;
};

// The detector read from a GDML file. Placements are walked depth first from the
// world; those at visibleDepth, and leaves above it, are meshed, up to
// maxPlacements of them. The world itself is never drawn.
class DetectorGeometry {
public:
    struct Options {
        int visibleDepth = 4;
        std::size_t maxPlacements = 10000;
        std::size_t segments = 24; // facets of a full circle
    };

    // Throws GeometryError naming the file when it cannot be read or has no world.
    static DetectorGeometry load(const std::string& path);
    static DetectorGeometry load(const std::string& path, const Options& options);

    const std::string& path() const { return path_; }
    const std::vector<Material>& materials() const { return materials_; }
    const std::vector<Volume>& volumes() const { return volumes_; }
    const std::vector<PlacedMesh>& placements() const { return placements_; }
    // The logical volume of every placement below the world, at any depth, in
    // depth-first order (a volume placed n times appears n times).
    const std::vector<int>& walk() const { return walk_; }
    // Placements that were not drawn because maxPlacements was reached.
    std::size_t skippedPlacements() const { return skipped_; }
    // Placements whose solid could not be meshed.
    std::size_t unmeshedPlacements() const { return unmeshed_; }

    int findVolume(const std::string& name) const;
    // Bounds of all drawn placements: xmin, xmax, ymin, ymax, zmin, zmax.
    std::array<double, 6> bounds() const;

private:
    std::string path_;
    std::vector<Material> materials_;
    std::vector<Volume> volumes_;
    std::vector<PlacedMesh> placements_;
    std::vector<int> walk_;
    std::size_t skipped_ = 0;
    std::size_t unmeshed_ = 0;
};

} // namespace vexel::geometry
