#include "TrajectoryBuilder.h"

#include "DetectorLayout.h"

#include <cmath>

namespace vexelgen {

using namespace layout;

namespace {

struct State {
    double x, y, z;
    double slopeX, slopeY; // dx/dz, dy/dz
};

TrajectoryBuilder::Point toPoint(const State& s) {
    return {static_cast<float>(s.x), static_cast<float>(s.y), static_cast<float>(s.z)};
}

void moveStraight(State& s, double z) {
    s.x += s.slopeX * (z - s.z);
    s.y += s.slopeY * (z - s.z);
    s.z = z;
}

bool insideAcceptance(const State& s) {
    if (s.z < kMagnetZMin)
        return std::fabs(s.x) < kWorldHalfX && std::fabs(s.y) < kWorldHalfY;
    if (s.z <= kMagnetZMax)
        return std::fabs(s.x) < kMagnetApertureHalfX && std::fabs(s.y) < kMagnetApertureHalfY;
    if (s.z <= kHcalZMax)
        return std::fabs(s.x) < kCaloHalfX && std::fabs(s.y) < kCaloHalfY;
    const double scale = s.z / kMuonStationZ[4];
    return std::fabs(s.x) < kMuonHalfX * scale && std::fabs(s.y) < kMuonHalfY * scale;
}

} // namespace

std::vector<TrajectoryBuilder::Point> TrajectoryBuilder::build(const std::array<double, 3>& origin,
                                                               const std::array<double, 3>& p,
                                                               double charge, TrackEnd end) {
    std::vector<Point> points;
    State s{origin[0], origin[1], origin[2], p[0] / p[2], p[1] / p[2]};
    points.push_back(toPoint(s));

    // Dense near the vertex, then every detector plane.
    const double nearVertex[] = {4,   9,   15,  22,  30,  40,  52,  66,  82,  100,
                                 125, 155, 190, 230, 280, 340, 410, 500, 620, 770};
    std::vector<double> planes;
    for (double dz : nearVertex)
        planes.push_back(origin[2] + dz);
    planes.push_back(0.5 * (kRich1ZMin + kRich1ZMax));
    for (double z : kUpstreamTrackerZ)
        planes.push_back(z);

    for (double z : planes) {
        if (z <= s.z || z >= kMagnetZMin)
            continue;
        moveStraight(s, z);
        points.push_back(toPoint(s));
    }
    moveStraight(s, kMagnetZMin);
    if (!insideAcceptance(s))
        return points;
    points.push_back(toPoint(s));

    // Field region: the direction in the x-z plane turns at a constant rate.
    const double pxz = std::hypot(p[0], p[2]);
    const double fieldLength = kMagnetZMax - kMagnetZMin;
    const double curvature = -charge * kMagnetKick / (pxz * fieldLength); // 1/mm, + turns to +x
    const double slopeYPerPath = p[1] / pxz;                              // dy per path in x-z
    double theta = std::atan2(p[0], p[2]);
    const int steps = 400, stepsPerPoint = 40;
    const double dz = fieldLength / steps;
    for (int i = 1; i <= steps; ++i) {
        const double sin1 = std::sin(theta) + curvature * dz;
        if (std::fabs(sin1) > 0.95)
            return points; // turns back inside the field
        const double theta1 = std::asin(sin1);
        const double path =
            std::fabs(curvature) > 1e-15 ? (theta1 - theta) / curvature : dz / std::cos(theta);
        s.x += std::fabs(curvature) > 1e-15 ? (std::cos(theta) - std::cos(theta1)) / curvature
                                            : dz * std::tan(theta);
        s.y += slopeYPerPath * path;
        s.z = kMagnetZMin + i * dz;
        theta = theta1;
        if (!insideAcceptance(s))
            return points;
        if (i % stepsPerPoint == 0)
            points.push_back(toPoint(s));
    }
    s.z = kMagnetZMax;
    s.slopeX = std::tan(theta);
    s.slopeY = slopeYPerPath / std::cos(theta);

    std::vector<double> downstream(std::begin(kStationZ), std::end(kStationZ));
    downstream.push_back(0.5 * (kRich2ZMin + kRich2ZMax));
    downstream.push_back(kMuonStationZ[0]);
    downstream.push_back(kEcalZMin);
    downstream.push_back(0.5 * (kEcalZMin + kEcalZMax));
    if (end != TrackEnd::Ecal) {
        downstream.push_back(kHcalZMin);
        downstream.push_back(0.5 * (kHcalZMin + kHcalZMax));
    }
    if (end == TrackEnd::MuonSystem) {
        downstream.push_back(kHcalZMax);
        for (int i = 1; i < 5; ++i)
            downstream.push_back(kMuonStationZ[i]);
    }
    for (double z : downstream) {
        moveStraight(s, z);
        if (!insideAcceptance(s))
            break;
        points.push_back(toPoint(s));
    }
    return points;
}

} // namespace vexelgen
