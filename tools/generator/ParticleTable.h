#pragma once

#include <string>

namespace vexelgen {

// Rest masses in MeV/c^2.
constexpr double kD0Mass = 1864.84;
constexpr double kKaonMass = 493.677;
constexpr double kPionMass = 139.57039;
constexpr double kProtonMass = 938.27209;
constexpr double kElectronMass = 0.51099895;
constexpr double kMuonMass = 105.6583755;
// D0 decay length c*tau in mm (tau = 0.4101 ps).
constexpr double kD0CTau = 0.12294;

struct ParticleType {
    std::string name;
    double mass;
    double charge;
};

// The particle of the given kind and charge: kind is one of "pi", "K", "p", "e", "mu".
ParticleType particleType(const std::string& kind, int charge);

} // namespace vexelgen
