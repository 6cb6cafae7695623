#include "VxLumoTrack.h"

#include <functional>
#include <iostream>

void VxLumoTrack::printTrack() const {
    printTrack(std::cout);
}

void VxLumoTrack::printTrack(std::ostream& out) const {
    if (particleId)
        out << "Particle: " << *particleId << std::endl;
    out << " Mass   : " << mass << std::endl;
    out << " px     : " << px << std::endl;
    out << " py     : " << py << std::endl;
    out << " pz     : " << pz << std::endl;
    out << " q      : " << q << std::endl;
    out << " chi2   : " << chi2 << std::endl;
    out << " pvx    : " << pvx << std::endl;
    out << " pvy    : " << pvy << std::endl;
    out << " pvz    : " << pvz << std::endl;
    out << " ipchi2 : " << ipchi2 << std::endl;
    out << " ip     : " << ip << std::endl;
    out << " z meas : " << zFirstMeasurement << std::endl;
}

namespace {
template <typename From, typename To> void copyNumbers(const From& from, To& to) {
#define VXLUMO_COPY_NUMBER(member, initial, title) to.member = from.member;
    VXLUMO_TRACK_LEADING_NUMBERS(VXLUMO_COPY_NUMBER)
    VXLUMO_TRACK_TRAILING_NUMBERS(VXLUMO_COPY_NUMBER)
#undef VXLUMO_COPY_NUMBER
}
} // namespace

bool VxLumoTrack::compare(VxLumoTrack a, VxLumoTrack b) {
    return std::less<const std::string*>()(a.particleId.get(), b.particleId.get());
}

VxLumoTrack VxLumoTrack::fromRecord(const rootio::TrackRecord& r) {
    VxLumoTrack t;
    copyNumbers(r, t);
    if (r.hasParticleId)
        t.particleId = std::make_shared<const std::string>(r.particleId);
    if (r.hasTrack)
        t.track = std::make_shared<const VxTrackPoints>(r.points);
    return t;
}

rootio::TrackRecord VxLumoTrack::toRecord() const {
    rootio::TrackRecord r;
    copyNumbers(*this, r);
    r.hasParticleId = particleId != nullptr;
    if (particleId)
        r.particleId = *particleId;
    r.hasTrack = track != nullptr;
    if (track)
        r.points = *track;
    return r;
}
