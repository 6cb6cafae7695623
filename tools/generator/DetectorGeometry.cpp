#include "DetectorGeometry.h"

#include "DetectorLayout.h"

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

namespace vexelgen {

using namespace layout;

namespace {
const char* const kWorld = "World";
}

DetectorGeometry DetectorGeometry::build() {
    DetectorGeometry g;
    g.addMaterials();
    g.buildVertexDetector();
    g.buildBeamPipe();
    g.buildCherenkovDetectors();
    g.buildTrackers();
    g.buildMagnet();
    g.buildCalorimeters();
    g.buildMuonSystem();
    g.solids_.push_back({Solid::Kind::Box, "WorldBox", kWorldHalfX, kWorldHalfY, kWorldHalfZ});
    g.volumes_.push_back({kWorld, "WorldBox", "Air", g.worldDaughters_});
    return g;
}

void DetectorGeometry::addMaterials() {
    elements_ = {{"Hydrogen", "H", 1, 1.008},      {"Carbon", "C", 6, 12.011},
                 {"Nitrogen", "N", 7, 14.007},     {"Oxygen", "O", 8, 15.999},
                 {"Fluorine", "F", 9, 18.998},     {"Aluminium_el", "Al", 13, 26.982},
                 {"Silicon_el", "Si", 14, 28.086}, {"Argon", "Ar", 18, 39.948},
                 {"Iron_el", "Fe", 26, 55.845},    {"Copper_el", "Cu", 29, 63.546},
                 {"Lead_el", "Pb", 82, 207.2}};
    // Mass fractions of the compounds follow from their formulas.
    materials_ = {
        {"Vacuum", "gas", 1e-25, {{"Hydrogen", 1.0}}},
        {"Air", "gas", 0.00120479, {{"Nitrogen", 0.7553}, {"Oxygen", 0.2318}, {"Argon", 0.0129}}},
        {"Silicon", "solid", 2.33, {{"Silicon_el", 1.0}}},
        {"Aluminium", "solid", 2.699, {{"Aluminium_el", 1.0}}},
        {"Iron", "solid", 7.874, {{"Iron_el", 1.0}}},
        {"Copper", "solid", 8.96, {{"Copper_el", 1.0}}},
        {"Lead", "solid", 11.35, {{"Lead_el", 1.0}}},
        // Polystyrene, C8H8.
        {"Scintillator", "solid", 1.032, {{"Carbon", 0.9226}, {"Hydrogen", 0.0774}}},
        // Quartz glass of the mirrors, SiO2.
        {"Glass", "solid", 2.2, {{"Silicon_el", 0.4674}, {"Oxygen", 0.5326}}},
        // Radiator gases of the two Cherenkov detectors at room temperature.
        {"C4F10", "gas", 0.00973, {{"Carbon", 0.2028}, {"Fluorine", 0.7972}}},
        {"CF4", "gas", 0.00366, {{"Carbon", 0.1365}, {"Fluorine", 0.8635}}},
        // Muon chamber gas Ar/CO2/CF4 40:55:5 by volume.
        {"ArCO2CF4",
         "gas",
         0.00181,
         {{"Argon", 0.3842}, {"Carbon", 0.1668}, {"Oxygen", 0.4236}, {"Fluorine", 0.0254}}},
        // Lead with scintillating fibres, equal volumes.
        {"LeadFibre",
         "solid",
         6.19,
         {{"Lead_el", 0.9166}, {"Carbon", 0.0770}, {"Hydrogen", 0.0064}}},
        // Lead/scintillator sampling layers, 2 mm lead to 4 mm scintillator.
        {"LeadScintillator",
         "solid",
         4.47,
         {{"Lead_el", 0.8461}, {"Carbon", 0.1420}, {"Hydrogen", 0.0119}}},
        // Iron absorber with scintillator tiles, 4:1 by volume.
        {"IronScintillator",
         "solid",
         6.51,
         {{"Iron_el", 0.9683}, {"Carbon", 0.0293}, {"Hydrogen", 0.0024}}},
    };
}

DetectorGeometry::Volume& DetectorGeometry::addBox(const std::string& name,
                                                   const std::string& material, double hx,
                                                   double hy, double hz) {
    solids_.push_back({Solid::Kind::Box, name + "Box", hx, hy, hz});
    volumes_.push_back({name, name + "Box", material, {}});
    return volumes_.back();
}

DetectorGeometry::Volume& DetectorGeometry::addTube(const std::string& name,
                                                    const std::string& material, double rmin,
                                                    double rmax, double hz) {
    solids_.push_back({Solid::Kind::Tube, name + "Tube", rmin, rmax, hz});
    volumes_.push_back({name, name + "Tube", material, {}});
    return volumes_.back();
}

DetectorGeometry::Volume& DetectorGeometry::volume(const std::string& name) {
    for (auto& v : volumes_)
        if (v.name == name)
            return v;
    throw std::logic_error("no volume " + name);
}

const DetectorGeometry::Volume* DetectorGeometry::findVolume(const std::string& name) const {
    for (const auto& v : volumes_)
        if (v.name == name)
            return &v;
    return nullptr;
}

void DetectorGeometry::place(const std::string& mother, const std::string& daughter, double x,
                             double y, double z, double rotationY) {
    Placement p{daughter, daughter + "_" + std::to_string(placementCounter_++), x, y, z, rotationY};
    if (mother == kWorld)
        worldDaughters_.push_back(p);
    else
        volume(mother).daughters.push_back(p);
}

int DetectorGeometry::placementCount() const {
    std::map<std::string, int> below; // placements inside one placed copy of a volume
    for (const auto& v : volumes_) {
        int n = 0;
        for (const auto& d : v.daughters)
            n += 1 + below[d.volume];
        below[v.name] = n;
    }
    return below[worldName()];
}

int DetectorGeometry::maximumDepth() const {
    std::map<std::string, int> depth;
    for (const auto& v : volumes_) {
        int d = 0;
        for (const auto& p : v.daughters)
            d = std::max(d, 1 + depth[p.volume]);
        depth[v.name] = d;
    }
    return depth[worldName()];
}

void DetectorGeometry::buildVertexDetector() {
    // Silicon sensors left and right of the beam in a vacuum tank, closer together near z = 0.
    addBox("VertexSensor", "Silicon", 21, 42, 0.15);
    const double halfZ = 0.5 * (kVertexTankZMax - kVertexTankZMin);
    const double centreZ = 0.5 * (kVertexTankZMax + kVertexTankZMin);
    addBox("VertexTank", "Vacuum", kVertexTankHalfXY, kVertexTankHalfXY, halfZ);
    const double stations[] = {-300, -250, -200, -150, -120, -90, -60, -30, 0,   30, 60,
                               90,   120,  150,  180,  210,  260, 310, 450, 600, 750};
    for (double z : stations) {
        for (int side : {-1, 1}) {
            const double zs = z - centreZ + side * 7.5; // halves staggered by 15 mm
            place("VertexTank", "VertexSensor", side * 29.0, 0, zs);
        }
    }
    place(kWorld, "VertexTank", 0, 0, centreZ);
}

void DetectorGeometry::buildBeamPipe() {
    // Pieces between the detectors that have their own piece inside them.
    struct Piece {
        const char* name;
        double zmin, zmax;
    };
    const Piece pieces[] = {{"BeamPipeVertex", kVertexTankZMax + 5, kRich1ZMin - 5},
                            {"BeamPipeMagnet", kRich1ZMax + 5, kRich2ZMin - 5},
                            {"BeamPipeDownstream", kRich2ZMax + 5, kMuonStationZ[4] + 400}};
    for (const auto& p : pieces) {
        addTube(p.name, "Aluminium", kBeamPipeInnerRadius, kBeamPipeOuterRadius,
                0.5 * (p.zmax - p.zmin));
        place(kWorld, p.name, 0, 0, 0.5 * (p.zmax + p.zmin));
    }
}

void DetectorGeometry::buildCherenkovDetectors() {
    struct Rich {
        std::string name, gas;
        double zmin, zmax, hx, hy;
    };
    const Rich riches[] = {
        {"Cherenkov1", "C4F10", kRich1ZMin, kRich1ZMax, kRich1HalfX, kRich1HalfY},
        {"Cherenkov2", "CF4", kRich2ZMin, kRich2ZMax, kRich2HalfX, kRich2HalfY}};
    for (const auto& r : riches) {
        const double hz = 0.5 * (r.zmax - r.zmin);
        addTube(r.name + "BeamPipe", "Aluminium", kBeamPipeInnerRadius, kBeamPipeOuterRadius, hz);
        // Spherical mirrors as tilted glass plates at the back, photon detectors outside the
        // acceptance, aluminium entry and exit windows with a hole for the beam pipe.
        addBox(r.name + "Mirror", "Glass", 0.45 * r.hx, 0.45 * r.hy, 3);
        addBox(r.name + "PhotonDetector", "Silicon", 0.12 * r.hx, 0.35 * r.hy, 15);
        addBox(r.name + "Window", "Aluminium", 0.5 * r.hx - 25, r.hy - 10, 1);
        addBox(r.name, r.gas, r.hx, r.hy, hz);
        place(r.name, r.name + "BeamPipe", 0, 0, 0);
        for (int side : {-1, 1}) {
            // Tilted by 8 degrees, set back far enough to stay inside the gas volume.
            const double mirrorZ = hz - 20 - 3 - std::sin(8.0 * M_PI / 180) * 0.45 * r.hx;
            place(r.name, r.name + "Mirror", side * 0.5 * r.hx, 0, mirrorZ, side * 8.0);
            place(r.name, r.name + "PhotonDetector", side * 0.86 * r.hx, 0, -0.2 * hz);
            place(r.name, r.name + "Window", side * (0.5 * r.hx + 50 - 25), 0, -hz + 2);
            place(r.name, r.name + "Window", side * (0.5 * r.hx + 50 - 25), 0, hz - 2);
        }
        place(kWorld, r.name, 0, 0, 0.5 * (r.zmin + r.zmax));
    }
}

void DetectorGeometry::placeCell(const std::string& mother,
                                 const std::vector<std::string>& levelNames, int level, double x,
                                 double y, double z, double cellX, double cellY, double holeX,
                                 double holeY) {
    const bool touchesHole =
        std::fabs(x) - 0.5 * cellX < holeX && std::fabs(y) - 0.5 * cellY < holeY;
    if (!touchesHole) {
        place(mother, levelNames[level], x, y, z);
        return;
    }
    if (level + 1 >= static_cast<int>(levelNames.size()))
        return;
    for (int i : {-1, 1})
        for (int j : {-1, 1})
            placeCell(mother, levelNames, level + 1, x + i * 0.25 * cellX, y + j * 0.25 * cellY, z,
                      0.5 * cellX, 0.5 * cellY, holeX, holeY);
}

void DetectorGeometry::placeModuleWall(const std::string& mother,
                                       const std::vector<std::string>& levelNames,
                                       const std::vector<std::string>& levelMaterials, double z,
                                       double hz, double hx, double hy, int nx, int ny,
                                       double holeX, double holeY) {
    const double cellX = 2 * hx / nx, cellY = 2 * hy / ny;
    const double gap = 2.0; // between neighbouring modules
    for (size_t level = 0; level < levelNames.size(); ++level) {
        if (findVolume(levelNames[level]))
            continue;
        const double scale = std::ldexp(1.0, -static_cast<int>(level));
        addBox(levelNames[level], levelMaterials[level], 0.5 * cellX * scale - gap / 2,
               0.5 * cellY * scale - gap / 2, hz);
    }
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j)
            placeCell(mother, levelNames, 0, -hx + (i + 0.5) * cellX, -hy + (j + 0.5) * cellY, z,
                      cellX, cellY, holeX, holeY);
}

void DetectorGeometry::buildTrackers() {
    // Silicon ladders before the magnet, finer near the beam.
    for (double z : kUpstreamTrackerZ)
        placeModuleWall(kWorld, {"UpstreamTrackerLadder", "UpstreamTrackerSensor"},
                        {"Silicon", "Silicon"}, z, 2, kUpstreamTrackerHalfX, kUpstreamTrackerHalfY,
                        8, 2, 60, 60);
    // Three stations after the magnet: scintillating-fibre mats with silicon near the beam.
    for (double z : kStationZ)
        placeModuleWall(kWorld, {"FibreTrackerModule", "InnerTrackerSensor"},
                        {"Scintillator", "Silicon"}, z, 10, kStationHalfX, kStationHalfY, 6, 2, 160,
                        160);
}

void DetectorGeometry::buildMagnet() {
    const double hz = 0.5 * (kMagnetZMax - kMagnetZMin);
    const double zc = 0.5 * (kMagnetZMax + kMagnetZMin);
    const double yokeThickness = 900, coilThickness = 250;
    const double apertureY = kMagnetApertureHalfY + coilThickness;
    const double outerX = kMagnetApertureHalfX + yokeThickness;
    addBox("MagnetYokeTop", "Iron", outerX, 0.5 * yokeThickness, hz);
    addBox("MagnetYokeSide", "Iron", 0.5 * yokeThickness, apertureY, hz);
    addBox("MagnetCoil", "Copper", kMagnetApertureHalfX - 200, 0.5 * coilThickness, hz + 300);
    for (int s : {-1, 1}) {
        place(kWorld, "MagnetYokeTop", 0, s * (apertureY + 0.5 * yokeThickness), zc);
        place(kWorld, "MagnetYokeSide", s * (kMagnetApertureHalfX + 0.5 * yokeThickness), 0, zc);
        place(kWorld, "MagnetCoil", 0, s * (kMagnetApertureHalfY + 0.5 * coilThickness), zc);
    }
}

void DetectorGeometry::buildCalorimeters() {
    const double ecalHz = 0.5 * (kEcalZMax - kEcalZMin);
    placeModuleWall(kWorld, {"EcalModulesFiberPb", "EcalModulesMiddle", "EcalModulesInner"},
                    {"LeadFibre", "LeadScintillator", "LeadScintillator"},
                    0.5 * (kEcalZMax + kEcalZMin), ecalHz, kCaloHalfX, kCaloHalfY, 8, 6, 150, 150);
    const double hcalHz = 0.5 * (kHcalZMax - kHcalZMin);
    placeModuleWall(kWorld, {"HcalModulesOuter", "HcalModulesInner"},
                    {"IronScintillator", "IronScintillator"}, 0.5 * (kHcalZMax + kHcalZMin), hcalHz,
                    kCaloHalfX, kCaloHalfY, 6, 4, 200, 200);
}

void DetectorGeometry::buildMuonSystem() {
    for (int i = 0; i < 5; ++i) {
        // Stations grow with their distance so that they cover the same angles.
        const double scale = kMuonStationZ[i] / kMuonStationZ[4];
        const std::string level0 = "MuonChamberM" + std::to_string(i + 1);
        const std::string level1 = "MuonChamberInnerM" + std::to_string(i + 1);
        placeModuleWall(kWorld, {level0, level1}, {"ArCO2CF4", "ArCO2CF4"}, kMuonStationZ[i], 25,
                        kMuonHalfX * scale, kMuonHalfY * scale, 4, 2, 200, 200);
    }
    // Iron filters between the stations, four blocks around the beam.
    const double hole = 150;
    addBox("MuonFilterSide", "Iron", 0.5 * (kMuonHalfX - hole), kMuonHalfY, kMuonFilterHalfZ);
    addBox("MuonFilterTop", "Iron", hole, 0.5 * (kMuonHalfY - hole), kMuonFilterHalfZ);
    for (double z : kMuonFilterZ)
        for (int s : {-1, 1}) {
            place(kWorld, "MuonFilterSide", s * 0.5 * (kMuonHalfX + hole), 0, z);
            place(kWorld, "MuonFilterTop", 0, s * 0.5 * (kMuonHalfY + hole), z);
        }
}

} // namespace vexelgen
