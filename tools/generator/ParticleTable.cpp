#include "ParticleTable.h"

#include <stdexcept>

namespace vexelgen {

ParticleType particleType(const std::string& kind, int charge) {
    const char* sign = charge > 0 ? "+" : "-";
    const double q = charge > 0 ? 1.0 : -1.0;
    if (kind == "pi")
        return {std::string("pi") + sign, kPionMass, q};
    if (kind == "K")
        return {std::string("K") + sign, kKaonMass, q};
    if (kind == "p")
        return {std::string("p") + sign, kProtonMass, q};
    if (kind == "e")
        return {std::string("e") + sign, kElectronMass, q};
    if (kind == "mu")
        return {std::string("mu") + sign, kMuonMass, q};
    throw std::invalid_argument("unknown particle kind " + kind);
}

} // namespace vexelgen
