#include "EventGenerator.h"

#include "ParticleTable.h"
#include "PickKey.h"
#include "TrajectoryBuilder.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vexelgen {

namespace {

using Vec3 = std::array<double, 3>;

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
double norm(const Vec3& a) {
    return std::sqrt(dot(a, a));
}
Vec3 scaled(const Vec3& a, double f) {
    return {a[0] * f, a[1] * f, a[2] * f};
}
Vec3 plus(const Vec3& a, const Vec3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
Vec3 minus(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Distance of the point from the line through `start` along `momentum`.
double distanceFromLine(const Vec3& point, const Vec3& start, const Vec3& momentum) {
    return norm(cross(minus(point, start), momentum)) / norm(momentum);
}

double energy(const Vec3& p, double mass) {
    return std::sqrt(dot(p, p) + mass * mass);
}

// Boost of a four-momentum (e, p) by the velocity beta.
Vec3 boost(double e, const Vec3& p, const Vec3& beta) {
    const double b2 = dot(beta, beta);
    const double gamma = 1.0 / std::sqrt(1.0 - b2);
    const double bp = dot(beta, p);
    const double factor = (gamma - 1.0) * bp / b2 + gamma * e;
    return plus(p, scaled(beta, factor));
}

double pairMass(const Vec3& p1, double m1, const Vec3& p2, double m2) {
    const double e = energy(p1, m1) + energy(p2, m2);
    const Vec3 p = plus(p1, p2);
    return std::sqrt(std::max(0.0, e * e - dot(p, p)));
}

TrackEnd endFor(const std::string& name) {
    if (name[0] == 'e')
        return TrackEnd::Ecal;
    if (name[0] == 'm')
        return TrackEnd::MuonSystem;
    return TrackEnd::Hcal;
}

} // namespace

double impactParameterResolution(double pt) {
    return 0.012 + 0.025 / (pt / 1000.0);
}

Vec3 EventGenerator::direction(double eta, double phi) {
    const double theta = 2.0 * std::atan(std::exp(-eta));
    return {std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
}

double EventGenerator::trackChi2() {
    // Track fit chi2 per degree of freedom, 24 degrees of freedom.
    return rng_.gammaInteger(12, 2.0) / 24.0;
}

rootio::TrackRecord EventGenerator::chargedTrack(const std::string& name, double mass,
                                                 double charge, const Vec3& momentum,
                                                 const Vec3& start, const Vec3& pv) {
    rootio::TrackRecord r;
    r.particleId = name;
    r.mass = mass;
    r.px = momentum[0];
    r.py = momentum[1];
    r.pz = momentum[2];
    r.E = energy(momentum, mass);
    r.q = charge;
    r.chi2 = trackChi2();
    r.points = TrajectoryBuilder::build(start, momentum, charge, endFor(name));
    r.pvx = pv[0];
    r.pvy = pv[1];
    r.pvz = pv[2];
    r.ip = distanceFromLine(pv, start, momentum);
    const double sigma = impactParameterResolution(std::hypot(momentum[0], momentum[1]));
    r.ipchi2 = (r.ip / sigma) * (r.ip / sigma);
    r.zFirstMeasurement = r.points.front()[2];
    return r;
}

void EventGenerator::addSignal(std::vector<rootio::TrackRecord>& records, const Vec3& pv) {
    // D0 kinematics: transverse momentum 1-8 GeV/c, momentum 20-150 GeV/c.
    double pt = 0, p = 0, eta = 0;
    do {
        pt = rng_.gammaInteger(2, 1300.0);
        eta = rng_.uniform(2.0, 4.6);
        p = pt * std::cosh(eta);
    } while (pt < 1000 || pt > 8000 || p < 20000 || p > 150000);
    const Vec3 dir = direction(eta, rng_.uniform(0, 2 * M_PI));
    const Vec3 pD0 = scaled(dir, p);
    const double flight = p / kD0Mass * kD0CTau * rng_.exponential(1.0);
    const Vec3 dv = plus(pv, scaled(dir, flight));

    // Two-body decay in the rest frame, boosted to the laboratory.
    const double m2 = kD0Mass * kD0Mass;
    const double pStar = std::sqrt((m2 - std::pow(kKaonMass + kPionMass, 2)) *
                                   (m2 - std::pow(kKaonMass - kPionMass, 2))) /
                         (2 * kD0Mass);
    const double cosT = rng_.uniform(-1, 1), phiStar = rng_.uniform(0, 2 * M_PI);
    const double sinT = std::sqrt(1 - cosT * cosT);
    const Vec3 kStar = {pStar * sinT * std::cos(phiStar), pStar * sinT * std::sin(phiStar),
                        pStar * cosT};
    const Vec3 beta = scaled(pD0, 1.0 / energy(pD0, kD0Mass));
    const Vec3 kTrue = boost(energy(kStar, kKaonMass), kStar, beta);
    const Vec3 piTrue = boost(energy(kStar, kPionMass), scaled(kStar, -1), beta);

    // Measured momenta: about 0.5 % resolution on the magnitude and 0.15 mrad on the direction.
    auto smear = [this](const Vec3& v) {
        const double f = 1 + kMomentumResolution * rng_.gaussian();
        Vec3 out = scaled(v, f);
        const double pv = norm(v);
        out[0] += pv * 0.00015 * rng_.gaussian();
        out[1] += pv * 0.00015 * rng_.gaussian();
        return out;
    };
    Vec3 kMeasured, piMeasured;
    do {
        kMeasured = smear(kTrue);
        piMeasured = smear(piTrue);
        const double m = pairMass(kMeasured, kKaonMass, piMeasured, kPionMass);
        if (m > 1816 && m < 1913)
            break;
    } while (true);

    const bool antiD0 = rng_.uniform() < 0.5;
    const double kaonCharge = antiD0 ? 1 : -1;

    rootio::TrackRecord d0;
    d0.particleId = "D0";
    d0.mass = kD0Mass;
    const Vec3 pSum = plus(kMeasured, piMeasured);
    d0.px = pSum[0];
    d0.py = pSum[1];
    d0.pz = pSum[2];
    d0.E = energy(pSum, kD0Mass);
    d0.q = 0;
    d0.chi2 = rng_.gammaInteger(1, 2.0); // vertex fit, 1 degree of freedom
    const int n = 20;
    for (int i = 0; i < n; ++i) {
        const Vec3 point = plus(pv, scaled(dir, flight * i / (n - 1)));
        d0.points.push_back({static_cast<float>(point[0]), static_cast<float>(point[1]),
                             static_cast<float>(point[2])});
    }
    d0.pvx = pv[0];
    d0.pvy = pv[1];
    d0.pvz = pv[2];
    d0.ip = distanceFromLine(pv, dv, pSum);
    const double sigma = impactParameterResolution(std::hypot(pSum[0], pSum[1]));
    d0.ipchi2 = (d0.ip / sigma) * (d0.ip / sigma);
    d0.zFirstMeasurement = d0.points.front()[2];

    records.push_back(d0);
    records.push_back(chargedTrack(antiD0 ? "K+" : "K-", kKaonMass, kaonCharge, kMeasured, dv, pv));
    records.push_back(
        chargedTrack(antiD0 ? "pi-" : "pi+", kPionMass, -kaonCharge, piMeasured, dv, pv));
}

rootio::TrackRecord EventGenerator::otherTrack(const Vec3& pv) {
    const double u = rng_.uniform();
    const char* kind = u < 0.78 ? "pi" : u < 0.90 ? "K" : u < 0.95 ? "p" : u < 0.98 ? "e" : "mu";
    const ParticleType type = particleType(kind, rng_.uniform() < 0.5 ? 1 : -1);
    double pt = 0;
    do {
        pt = rng_.gammaInteger(2, 350.0);
    } while (pt < 200 || pt > 2000);
    const double eta = rng_.uniform(1.9, 4.9);
    const Vec3 momentum = scaled(direction(eta, rng_.uniform(0, 2 * M_PI)), pt * std::cosh(eta));
    // The measured track misses the vertex by the impact-parameter resolution.
    const double sigma = impactParameterResolution(pt);
    Vec3 offset = {sigma * rng_.gaussian(), sigma * rng_.gaussian(), 0};
    const Vec3 unit = scaled(momentum, 1.0 / norm(momentum));
    offset = minus(offset, scaled(unit, dot(offset, unit)));
    return chargedTrack(type.name, type.mass, type.charge, momentum, plus(pv, offset), pv);
}

std::vector<rootio::TrackRecord> EventGenerator::event() {
    double pvz = 0;
    do {
        pvz = rng_.gaussian(0, 45);
    } while (std::fabs(pvz) > 150);
    const Vec3 pv = {rng_.gaussian(0, 0.040), rng_.gaussian(0, 0.040), pvz};

    std::vector<rootio::TrackRecord> records;
    std::set<std::int32_t> keys;
    do {
        records.clear();
        keys.clear();
        addSignal(records, pv);
        for (const auto& r : records)
            keys.insert(pickKey(r.points));
    } while (keys.size() != records.size());

    const int others = rng_.integer(kMinOtherTracks, kMaxOtherTracks);
    for (int i = 0; i < others; ++i) {
        // A line whose pick key is taken would show another record when picked: draw again.
        rootio::TrackRecord r = otherTrack(pv);
        while (keys.count(pickKey(r.points)))
            r = otherTrack(pv);
        keys.insert(pickKey(r.points));
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<std::vector<rootio::TrackRecord>> EventGenerator::events(int count) {
    std::vector<std::vector<rootio::TrackRecord>> out;
    for (int i = 0; i < count; ++i)
        out.push_back(event());
    return out;
}

} // namespace vexelgen
