#include "TrajectoryBuilder.h"
#include "DetectorLayout.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vexelgen;
using namespace vexelgen::layout;

namespace {

// dx/dz between two points.
double slopeX(const TrajectoryBuilder::Point& a, const TrajectoryBuilder::Point& b) {
    return (b[0] - a[0]) / (b[2] - a[2]);
}

} // namespace

// Straight before the magnet, a kick of about 1.2 GeV/c in x inside it, straight after it.
TEST(TrajectoryBuilderTest, BendsInXInsideTheMagnetOnly) {
    const double pz = 30000, px = 600, py = 300;
    for (double charge : {1.0, -1.0}) {
        const auto points =
            TrajectoryBuilder::build({0.01, -0.02, 5}, {px, py, pz}, charge, TrackEnd::Hcal);
        ASSERT_GE(points.size(), 30u);
        ASSERT_LE(points.size(), 60u);
        EXPECT_NEAR(points.back()[2], 0.5 * (kHcalZMin + kHcalZMax), 1e-2);
        // Dense near the vertex.
        EXPECT_LT(points[1][2] - points[0][2], 10);
        size_t before = 0, after = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            if (points[i][2] <= kMagnetZMin)
                before = i;
            if (after == 0 && points[i][2] >= kMagnetZMax)
                after = i;
        }
        ASSERT_GT(before, 2u);
        ASSERT_GT(after, before + 5);
        ASSERT_LT(after + 3, points.size());
        // y follows the same straight line throughout (the field is along y).
        for (size_t i = 1; i < points.size(); ++i)
            EXPECT_NEAR(points[i][1] - points[0][1], py / pz * (points[i][2] - points[0][2]),
                        0.5 + 1e-4 * points[i][2]);
        const double slopeIn = slopeX(points[0], points[before]);
        EXPECT_NEAR(slopeIn, px / pz, 1e-5);
        EXPECT_NEAR(slopeX(points[1], points[2]), slopeIn, 1e-3);
        const double slopeOut = slopeX(points[after], points.back());
        EXPECT_NEAR(slopeX(points[after], points[after + 1]), slopeOut, 1e-3);
        // Positive particles bend towards -x; the kick is about 1.2 GeV/c.
        const double kick = (slopeOut - slopeIn) * pz;
        EXPECT_NEAR(kick, -charge * kMagnetKick, 0.05 * kMagnetKick);
    }
}

TEST(TrajectoryBuilderTest, StopsWhereTheParticleLeavesTheDetector) {
    // A soft track curls out of the magnet aperture.
    const auto soft = TrajectoryBuilder::build({0, 0, 0}, {80, 0, 800}, 1, TrackEnd::Hcal);
    EXPECT_LT(soft.back()[2], kMagnetZMax);
    EXPECT_GT(soft.back()[2], kMagnetZMin);
    EXPECT_GE(soft.size(), 20u);
    for (const auto& p : soft)
        EXPECT_LT(std::fabs(p[0]), kMagnetApertureHalfX + 1);
    // A wide-angle track hits the magnet's front.
    const auto wide = TrajectoryBuilder::build({0, 0, 0}, {0, 1000, 1200}, -1, TrackEnd::Hcal);
    EXPECT_LE(wide.back()[2], kMagnetZMin);
    // Muons reach the last muon station, electrons end in the electromagnetic calorimeter.
    const auto muon =
        TrajectoryBuilder::build({0, 0, 0}, {100, 100, 40000}, 1, TrackEnd::MuonSystem);
    EXPECT_FLOAT_EQ(muon.back()[2], kMuonStationZ[4]);
    const auto electron = TrajectoryBuilder::build({0, 0, 0}, {100, 100, 40000}, 1, TrackEnd::Ecal);
    EXPECT_FLOAT_EQ(electron.back()[2], 0.5 * (kEcalZMin + kEcalZMax));
}
