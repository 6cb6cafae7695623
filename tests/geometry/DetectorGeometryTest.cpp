#include "DetectorGeometry.h"
#include "EventDisplayTestData.h"
#include "MaterialLook.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using vexel::geometry::DetectorGeometry;
using vexel::geometry::GeometryError;

namespace {

std::string writeFile(const QTemporaryDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path) << text;
    return path;
}

} // namespace

TEST(MaterialLook, DensityUnitsAndDefaults) {
    using namespace vexel::geometry;
    EXPECT_DOUBLE_EQ(densityInGramPerCm3("7.87", ""), 7.87);
    EXPECT_DOUBLE_EQ(densityInGramPerCm3("1.2", "mg/cm3"), 0.0012);
    EXPECT_DOUBLE_EQ(densityInGramPerCm3("1200", "kg/m3"), 1.2);
    EXPECT_LT(densityInGramPerCm3("abc", "g/cm3"), 0);
    EXPECT_LT(densityInGramPerCm3("1", "furlong"), 0);

    // Gases are 60 % transparent, solids opaque.
    EXPECT_EQ(defaultMaterialLook("Air", {{"D", "0.0012"}, {"state", "gas"}}).transparency, 60u);
    EXPECT_EQ(defaultMaterialLook("C4F10", {{"D", "0.00973"}}).transparency, 60u);
    EXPECT_EQ(defaultMaterialLook("Iron", {{"D", "7.87"}, {"Z", "26"}}).transparency, 0u);
    // Materials sharing a name share a colour; different materials differ.
    EXPECT_EQ(defaultMaterialLook("Iron", {}).colour, defaultMaterialLook("iron", {}).colour);
    EXPECT_FALSE(defaultMaterialLook("Iron", {}).colour == defaultMaterialLook("Lead", {}).colour);
    // Unknown mixtures fall back on their density.
    EXPECT_FALSE(defaultMaterialLook("Mix1", {{"D", "1.0"}}).colour ==
                 defaultMaterialLook("Mix2", {{"D", "11.0"}}).colour);
}

TEST(DetectorGeometry, PlacementsDepthAndTransformations) {
    QTemporaryDir dir;
    const std::string path = writeFile(dir, "d.gdml", vexel::test::testDetectorGdml());
    const DetectorGeometry g = DetectorGeometry::load(path);

    // Drawn: 5 sensors, 2 yokes, 16 ECAL modules, and the chain cut at depth 4.
    // Mothers (tank, wall, chain levels 1-3) and the world are not drawn.
    EXPECT_EQ(g.placements().size(), 5u + 2u + 16u + 1u);
    // The walk lists every placement below the world, at any depth.
    EXPECT_EQ(g.walk().size(), 1u + 5u + 2u + 1u + 16u + 5u);
    EXPECT_EQ(g.skippedPlacements(), 0u);
    EXPECT_EQ(g.unmeshedPlacements(), 0u);

    const int chain4 = g.findVolume("Chain4");
    const int chain5 = g.findVolume("Chain5");
    ASSERT_GE(chain4, 0);
    ASSERT_GE(chain5, 0);
    int chain4Drawn = 0;
    for (const auto& p : g.placements()) {
        EXPECT_NE(p.volume, chain5);
        EXPECT_LE(p.depth, 4);
        if (p.volume == chain4) {
            EXPECT_EQ(p.depth, 4);
            ++chain4Drawn;
        }
    }
    EXPECT_EQ(chain4Drawn, 1);

    // A sensor placed at local (30, 0, z) in a tank turned by 90 degrees about y
    // at z = 100: its vertices lie near x = 0 in the world, not near x = 30.
    const int sensor = g.findVolume("Sensor");
    ASSERT_GE(sensor, 0);
    for (const auto& p : g.placements()) {
        if (p.volume != sensor)
            continue;
        double cx = 0, cz = 0;
        for (const auto& v : p.vertices) {
            cx += v[0];
            cz += v[2];
        }
        cx /= static_cast<double>(p.vertices.size());
        cz /= static_cast<double>(p.vertices.size());
        EXPECT_NEAR(std::abs(cx), 400.0, 1e-3); // the first sensor, at local z = -400
        EXPECT_NEAR(std::abs(cz - 100), 30.0, 1e-3) << "sensor centre " << cx << " " << cz;
        break;
    }

    // Materials: the ECAL modules are lead fibre, their wall air (transparent).
    const int module = g.findVolume("EcalModulesFiberPb");
    ASSERT_GE(module, 0);
    EXPECT_EQ(g.materials()[g.volumes()[module].material].name, "LeadFibre");
    EXPECT_EQ(g.materials()[g.volumes()[g.findVolume("EcalWall")].material].look.transparency, 60u);

    // Bounds: the chain reaches y = 5100, the ECAL modules z = 12950, the yokes y = -3400.
    const auto b = g.bounds();
    EXPECT_NEAR(b[2], -3400, 1e-3);
    EXPECT_NEAR(b[3], 5100, 1e-3);
    EXPECT_NEAR(b[5], 12950, 1e-3);
    for (const auto& p : g.placements())
        ASSERT_EQ(p.polygonIndices.size(), 4u * p.polygonSizes.size()); // boxes: quads
}

TEST(DetectorGeometry, LimitsAndFailures) {
    QTemporaryDir dir;
    const std::string path = writeFile(dir, "d.gdml", vexel::test::testDetectorGdml());
    DetectorGeometry::Options options;
    options.maxPlacements = 10;
    const DetectorGeometry capped = DetectorGeometry::load(path, options);
    EXPECT_EQ(capped.placements().size(), 10u);
    EXPECT_EQ(capped.skippedPlacements(), 14u);

    options = DetectorGeometry::Options();
    options.visibleDepth = 1;
    const DetectorGeometry shallow = DetectorGeometry::load(path, options);
    EXPECT_EQ(shallow.placements().size(), 5u); // the world's five daughters

    EXPECT_THROW(DetectorGeometry::load(dir.filePath("missing.gdml").toStdString()), GeometryError);
    try {
        DetectorGeometry::load(dir.filePath("missing.gdml").toStdString());
    } catch (const GeometryError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.gdml"), std::string::npos);
    }
    const std::string broken = writeFile(dir, "broken.gdml", "<gdml><solids><box name=");
    EXPECT_THROW(DetectorGeometry::load(broken), GeometryError);
    // Loading again replaces the previous geometry instead of adding to it.
    const DetectorGeometry again = DetectorGeometry::load(path);
    EXPECT_EQ(again.placements().size(), 24u);
    EXPECT_EQ(again.volumes().size(), DetectorGeometry::load(path).volumes().size());
}
