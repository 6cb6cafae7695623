#pragma once

#include <string>
#include <vector>

namespace vexelgen {

// The detector as GDML sees it: elements, materials, solids, logical volumes and placements.
class DetectorGeometry {
public:
    struct Element {
        std::string name, symbol;
        int Z;
        double A; // g/mole
    };
    struct Component {
        std::string ref; // element name
        double massFraction;
    };
    struct Material {
        std::string name, state;
        double density; // g/cm3
        std::vector<Component> components;
    };
    struct Solid {
        enum class Kind { Box, Tube } kind;
        std::string name;
        double a, b, c; // Box: half lengths x, y, z. Tube: rmin, rmax, half length z
    };
    struct Placement {
        std::string volume, name;
        double x, y, z;
        double rotationY; // degrees about the y axis
    };
    struct Volume {
        std::string name, solid, material;
        std::vector<Placement> daughters;
    };

    // The spectrometer of the program.
    static DetectorGeometry build();

    const std::vector<Element>& elements() const { return elements_; }
    const std::vector<Material>& materials() const { return materials_; }
    const std::vector<Solid>& solids() const { return solids_; }
    // Volumes in dependency order: daughters before mothers, the world last.
    const std::vector<Volume>& volumes() const { return volumes_; }
    const std::string& worldName() const { return volumes_.back().name; }

    const Volume* findVolume(const std::string& name) const;
    int placementCount() const;
    // Depth of the deepest placement below the world (a daughter of the world has depth 1).
    int maximumDepth() const;

private:
    Volume& addBox(const std::string& name, const std::string& material, double hx, double hy,
                   double hz);
    Volume& addTube(const std::string& name, const std::string& material, double rmin, double rmax,
                    double hz);
    Volume& volume(const std::string& name);
    void place(const std::string& mother, const std::string& daughter, double x, double y, double z,
               double rotationY = 0);
    // A wall of modules over |x| < hx, |y| < hy around a beam hole: cells that touch the hole
    // are split in four, down to levelNames.size() levels; cells still touching it are left out.
    void placeModuleWall(const std::string& mother, const std::vector<std::string>& levelNames,
                         const std::vector<std::string>& levelMaterials, double z, double hz,
                         double hx, double hy, int nx, int ny, double holeX, double holeY);
    void placeCell(const std::string& mother, const std::vector<std::string>& levelNames, int level,
                   double x, double y, double z, double cellX, double cellY, double holeX,
                   double holeY);

    void addMaterials();
    void buildVertexDetector();
    void buildBeamPipe();
    void buildCherenkovDetectors();
    void buildTrackers();
    void buildMagnet();
    void buildCalorimeters();
    void buildMuonSystem();

    std::vector<Element> elements_;
    std::vector<Material> materials_;
    std::vector<Solid> solids_;
    std::vector<Volume> volumes_;
    std::vector<Placement> worldDaughters_;
    int placementCounter_ = 0;
};

} // namespace vexelgen
