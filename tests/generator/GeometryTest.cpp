#include "DetectorGeometry.h"
#include "GdmlWriter.h"
#include "DetectorLayout.h"

#include <VecGeom/gdml/Frontend.h>
#include <VecGeom/management/GeoManager.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

using namespace vexelgen;

namespace {

// Runs f with standard output and standard error sent to a file; returns what was written.
template <typename F> std::string captureOutput(F f) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::FILE* sink = std::tmpfile();
    const int savedOut = dup(1), savedErr = dup(2);
    dup2(fileno(sink), 1);
    dup2(fileno(sink), 2);
    f();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    std::rewind(sink);
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, sink)) > 0)
        text.append(buffer, n);
    std::fclose(sink);
    return text;
}

} // namespace

TEST(GeometryTest, StructureIsSmallShallowAndComplete) {
    const DetectorGeometry g = DetectorGeometry::build();
    EXPECT_NE(g.findVolume("EcalModulesFiberPb"), nullptr);
    EXPECT_EQ(g.worldName(), "World");
    EXPECT_GE(g.placementCount(), 150);
    EXPECT_LE(g.placementCount(), 450);
    EXPECT_LE(g.maximumDepth(), 4);

    std::set<std::string> elements, materials, solids, volumes;
    for (const auto& e : g.elements())
        elements.insert(e.name);
    for (const auto& m : g.materials()) {
        materials.insert(m.name);
        EXPECT_GT(m.density, 0) << m.name;
        double sum = 0;
        for (const auto& c : m.components) {
            EXPECT_TRUE(elements.count(c.ref)) << m.name << " " << c.ref;
            sum += c.massFraction;
        }
        EXPECT_NEAR(sum, 1.0, 1e-3) << m.name;
    }
    for (const char* needed : {"Vacuum", "Air", "Silicon", "Aluminium", "Iron", "Copper", "Lead",
                               "Scintillator", "C4F10", "CF4", "ArCO2CF4"})
        EXPECT_TRUE(materials.count(needed)) << needed;
    std::map<std::string, DetectorGeometry::Solid> solidByName;
    for (const auto& s : g.solids())
        solidByName[s.name] = s;
    // Daughters are defined before their mothers and fit inside them.
    for (const auto& v : g.volumes()) {
        ASSERT_TRUE(materials.count(v.material)) << v.name;
        ASSERT_TRUE(solidByName.count(v.solid)) << v.name;
        const auto& mother = solidByName[v.solid];
        for (const auto& p : v.daughters) {
            ASSERT_TRUE(volumes.count(p.volume)) << p.volume << " in " << v.name;
            const auto& d = solidByName[g.findVolume(p.volume)->solid];
            ASSERT_EQ(mother.kind, DetectorGeometry::Solid::Kind::Box) << v.name;
            const double dx = d.kind == DetectorGeometry::Solid::Kind::Box ? d.a : d.b;
            const double dy = d.kind == DetectorGeometry::Solid::Kind::Box ? d.b : d.b;
            const double tilt = std::sin(std::fabs(p.rotationY) * M_PI / 180);
            EXPECT_LE(std::fabs(p.x) + dx, mother.a + 1e-6) << p.name;
            EXPECT_LE(std::fabs(p.y) + dy, mother.b + 1e-6) << p.name;
            EXPECT_LE(std::fabs(p.z) + d.c + tilt * dx, mother.c + 1e-6) << p.name;
        }
        volumes.insert(v.name);
    }
}

// The file the build wrote loads with VGDML, as the event display loads it, without any
// warning or error.
TEST(GeometryTest, GeneratedFileLoadsWithVgdml) {
    const std::string path = std::string(VEXEL_RUN_DIR) + "/share/VexelLumora/vexelfull.gdml";
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::stringstream contents;
    contents << in.rdbuf();
    EXPECT_EQ(contents.str(), GdmlWriter::toGdml(DetectorGeometry::build()));

    bool loaded = false;
    const std::string output = captureOutput([&] {
        auto middleware = vgdml::Parser().Load(path, false, 1.0);
        loaded = middleware != nullptr && !middleware->GetVolumeMatMap().empty();
    });
    EXPECT_TRUE(loaded);
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_EQ(line.rfind("(II)", 0), 0u) << "unexpected output: " << line;

    auto& manager = vecgeom::GeoManager::Instance();
    ASSERT_NE(manager.GetWorld(), nullptr);
    EXPECT_NE(manager.FindLogicalVolume("EcalModulesFiberPb"), nullptr);
    // The interaction point and the end of the muon system lie inside the world.
    EXPECT_TRUE(manager.GetWorld()->Contains(vecgeom::Vector3D<vecgeom::Precision>(0, 0, 0)));
    EXPECT_TRUE(manager.GetWorld()->Contains(
        vecgeom::Vector3D<vecgeom::Precision>(1000, 1000, layout::kMuonStationZ[4])));
}
