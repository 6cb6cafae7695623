#pragma once

// Positions and sizes of the spectrometer, in mm, shared by the geometry and the tracking.
// z runs along the beam, the interaction point is at the origin, the magnet bends in x.
namespace vexelgen::layout {

constexpr double kWorldHalfX = 7000, kWorldHalfY = 7000, kWorldHalfZ = 20000;

constexpr double kBeamPipeInnerRadius = 40, kBeamPipeOuterRadius = 41.5;

constexpr double kVertexTankZMin = -350, kVertexTankZMax = 800;
constexpr double kVertexTankHalfXY = 120;

constexpr double kRich1ZMin = 1000, kRich1ZMax = 2000;
constexpr double kRich1HalfX = 900, kRich1HalfY = 750;

constexpr double kUpstreamTrackerZ[2] = {2350, 2650};
constexpr double kUpstreamTrackerHalfX = 900, kUpstreamTrackerHalfY = 750;

// Field region: uniform dipole field along y inside the aperture.
constexpr double kMagnetZMin = 3300, kMagnetZMax = 7700;
constexpr double kMagnetApertureHalfX = 3000, kMagnetApertureHalfY = 2100;
// Transverse momentum kick of the dipole, MeV/c.
constexpr double kMagnetKick = 1200;

constexpr double kStationZ[3] = {7950, 8600, 9250};
constexpr double kStationHalfX = 3200, kStationHalfY = 2600;

constexpr double kRich2ZMin = 9500, kRich2ZMax = 11700;
constexpr double kRich2HalfX = 3400, kRich2HalfY = 2800;

constexpr double kEcalZMin = 12300, kEcalZMax = 13000;
constexpr double kHcalZMin = 13300, kHcalZMax = 14900;
constexpr double kCaloHalfX = 3840, kCaloHalfY = 3150;

constexpr double kMuonStationZ[5] = {12100, 15200, 16400, 17600, 18800};
constexpr double kMuonFilterZ[3] = {15800, 17000, 18200};
constexpr double kMuonFilterHalfZ = 400;
constexpr double kMuonHalfX = 4800, kMuonHalfY = 4000;

} // namespace vexelgen::layout
