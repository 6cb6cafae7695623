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

bool VxLumoTrack::compare(VxLumoTrack a, VxLumoTrack b) {
    return std::less<const std::string*>()(a.particleId.get(), b.particleId.get());
}

VxLumoTrack VxLumoTrack::fromRecord(const rootio::TrackRecord& r) {
    VxLumoTrack t;
    t.mass = r.mass;
    t.E = r.E;
    t.px = r.px;
    t.py = r.py;
    t.pz = r.pz;
    t.chi2 = r.chi2;
    t.q = r.q;
    if (r.hasParticleId)
        t.particleId = std::make_shared<const std::string>(r.particleId);
    if (r.hasTrack)
        t.track = std::make_shared<const VxTrackPoints>(r.points);
    t.pvx = r.pvx;
    t.pvy = r.pvy;
    t.pvz = r.pvz;
    t.ipchi2 = r.ipchi2;
    t.ip = r.ip;
    t.zFirstMeasurement = r.zFirstMeasurement;
    return t;
}

rootio::TrackRecord VxLumoTrack::toRecord() const {
    rootio::TrackRecord r;
    r.mass = mass;
    r.E = E;
    r.px = px;
    r.py = py;
    r.pz = pz;
    r.chi2 = chi2;
    r.q = q;
    r.hasParticleId = particleId != nullptr;
    if (particleId)
        r.particleId = *particleId;
    r.hasTrack = track != nullptr;
    if (track)
        r.points = *track;
    r.pvx = pvx;
    r.pvy = pvy;
    r.pvz = pvz;
    r.ipchi2 = ipchi2;
    r.ip = ip;
    r.zFirstMeasurement = zFirstMeasurement;
    return r;
}
