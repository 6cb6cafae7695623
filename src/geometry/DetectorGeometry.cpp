#include "DetectorGeometry.h"

#include <VecGeom/gdml/Frontend.h>
#include <VecGeom/management/GeoManager.h>
#include <VecGeom/volumes/LogicalVolume.h>
#include <VecGeom/volumes/PlacedVolume.h>
#include <VecGeom/volumes/SolidMesh.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <map>
#include <memory>

namespace vexel::geometry {

namespace {

using vecgeom::LogicalVolume;
using vecgeom::Transformation3D;
using vecgeom::VPlacedVolume;

class Builder {
public:
    Builder(DetectorGeometry::Options options, const vgdml::Middleware& middleware,
            std::vector<Material>& materials, std::vector<Volume>& volumes,
            std::vector<PlacedMesh>& placements, std::vector<int>& walk)
        : options_(options), middleware_(middleware), materials_(materials), volumes_(volumes),
          placements_(placements), walk_(walk) {}

    void visit(const VPlacedVolume* placed, int depth,
               std::vector<const Transformation3D*>& ancestors) {
        const LogicalVolume* logical = placed->GetLogicalVolume();
        const auto& daughters = logical->GetDaughters();
        if (depth > 0) {
            const int volume = volumeIndex(logical);
            walk_.push_back(volume);
            // Down to the visible depth: its nodes and the leaves above it.
            if (depth == options_.visibleDepth ||
                (depth < options_.visibleDepth && daughters.size() == 0))
                mesh(placed, volume, depth, ancestors);
        }
        ancestors.push_back(placed->GetTransformation());
        for (const VPlacedVolume* daughter : daughters)
            visit(daughter, depth + 1, ancestors);
        ancestors.pop_back();
    }

    std::size_t skipped = 0;
    std::size_t unmeshed = 0;

private:
    int volumeIndex(const LogicalVolume* logical) {
        const auto found = volumeByLogical_.find(logical);
        if (found != volumeByLogical_.end())
            return found->second;
        Volume volume;
        volume.name = logical->GetLabel();
        const auto& matMap = middleware_.GetVolumeMatMap();
        const auto mat = matMap.find(static_cast<int>(logical->id()));
        if (mat != matMap.end())
            volume.material = materialIndex(mat->second);
        const int index = static_cast<int>(volumes_.size());
        volumes_.push_back(volume);
        volumeByLogical_[logical] = index;
        return index;
    }

    int materialIndex(const vgdml::Material& material) {
        const auto found = materialByName_.find(material.name);
        if (found != materialByName_.end())
            return found->second;
        const int index = static_cast<int>(materials_.size());
        materials_.push_back(
            {material.name, defaultMaterialLook(material.name, material.attributes)});
        materialByName_[material.name] = index;
        return index;
    }

    void mesh(const VPlacedVolume* placed, int volume, int depth,
              const std::vector<const Transformation3D*>& ancestors) {
        if (placements_.size() >= options_.maxPlacements) {
            ++skipped;
            return;
        }
        // The mesh comes out in the mother's frame; the ancestors (innermost last)
        // take it to the world.
        std::unique_ptr<vecgeom::SolidMesh> solid(placed->CreateMesh3D(options_.segments));
        if (!solid) {
            ++unmeshed;
            return;
        }
        PlacedMesh out;
        out.volume = volume;
        out.depth = depth;
        const auto& vertices = solid->GetVertices();
        out.vertices.reserve(vertices.size());
        for (const auto& v : vertices) {
            vecgeom::Vector3D<double> p(v.x(), v.y(), v.z());
            for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
                p = (*it)->InverseTransform(p);
            out.vertices.push_back(
                {static_cast<float>(p.x()), static_cast<float>(p.y()), static_cast<float>(p.z())});
        }
        for (const auto& polygon : solid->GetPolygons()) {
            if (!polygon.fValid || polygon.fN < 3)
                continue;
            out.polygonSizes.push_back(static_cast<std::uint32_t>(polygon.fN));
            for (std::size_t i = 0; i < polygon.fN; ++i)
                out.polygonIndices.push_back(static_cast<std::uint32_t>(polygon.fInd[i]));
        }
        placements_.push_back(std::move(out));
    }

    DetectorGeometry::Options options_;
    const vgdml::Middleware& middleware_;
    std::vector<Material>& materials_;
    std::vector<Volume>& volumes_;
    std::vector<PlacedMesh>& placements_;
    std::vector<int>& walk_;
    std::map<const LogicalVolume*, int> volumeByLogical_;
    std::map<std::string, int> materialByName_;
};

} // namespace

DetectorGeometry DetectorGeometry::load(const std::string& path) {
    return load(path, Options());
}

DetectorGeometry DetectorGeometry::load(const std::string& path, const Options& options) {
    if (!std::ifstream(path))
        throw GeometryError(path + ": cannot be opened");
    // VecGeom keeps one geometry per process; a new file replaces the last one.
    vecgeom::GeoManager::Instance().Clear();
    std::unique_ptr<vgdml::Middleware> middleware;
    try {
        middleware = vgdml::Parser().Load(path, /*validate=*/false, /*mm_unit=*/1.0,
                                          /*verbose=*/false);
    } catch (const std::exception& e) {
        throw GeometryError(path + ": " + e.what());
    }
    const VPlacedVolume* world = vecgeom::GeoManager::Instance().GetWorld();
    if (!middleware || !world)
        throw GeometryError(path + ": not a readable GDML geometry");

    DetectorGeometry geometry;
    geometry.path_ = path;
    Builder builder(options, *middleware, geometry.materials_, geometry.volumes_,
                    geometry.placements_, geometry.walk_);
    std::vector<const Transformation3D*> ancestors;
    builder.visit(world, 0, ancestors);
    geometry.skipped_ = builder.skipped;
    geometry.unmeshed_ = builder.unmeshed;
    return geometry;
}

int DetectorGeometry::findVolume(const std::string& name) const {
    for (std::size_t i = 0; i < volumes_.size(); ++i)
        if (volumes_[i].name == name)
            return static_cast<int>(i);
    return -1;
}

std::array<double, 6> DetectorGeometry::bounds() const {
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::array<double, 6> b{inf, -inf, inf, -inf, inf, -inf};
    for (const auto& placement : placements_)
        for (const auto& v : placement.vertices)
            for (int axis = 0; axis < 3; ++axis) {
                b[2 * axis] = std::min(b[2 * axis], static_cast<double>(v[axis]));
                b[2 * axis + 1] = std::max(b[2 * axis + 1], static_cast<double>(v[axis]));
            }
    return b;
}

} // namespace vexel::geometry
