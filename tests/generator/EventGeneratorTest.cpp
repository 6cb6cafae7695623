#include "EventGenerator.h"
#include "DetectorLayout.h"
#include "ParticleTable.h"
#include "PickKey.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

using namespace vexelgen;

namespace {

double momentum(const rootio::TrackRecord& r) {
    return std::sqrt(r.px * r.px + r.py * r.py + r.pz * r.pz);
}

double pairMass(const rootio::TrackRecord& a, const rootio::TrackRecord& b) {
    const double e = a.E + b.E, px = a.px + b.px, py = a.py + b.py, pz = a.pz + b.pz;
    return std::sqrt(e * e - px * px - py * py - pz * pz);
}

double expectedMass(const std::string& name) {
    if (name == "D0")
        return kD0Mass;
    if (name[0] == 'K')
        return kKaonMass;
    if (name.rfind("pi", 0) == 0)
        return kPionMass;
    if (name[0] == 'p')
        return kProtonMass;
    if (name[0] == 'e')
        return kElectronMass;
    return kMuonMass;
}

bool insideWorld(const std::array<float, 3>& p) {
    return std::fabs(p[0]) < layout::kWorldHalfX && std::fabs(p[1]) < layout::kWorldHalfY &&
           std::fabs(p[2]) < layout::kWorldHalfZ;
}

// Distance of point p from the line through a along direction d.
double distanceFromLine(const std::array<double, 3>& p, const std::array<double, 3>& a,
                        const std::array<double, 3>& d) {
    const double v[3] = {p[0] - a[0], p[1] - a[1], p[2] - a[2]};
    const double c[3] = {v[1] * d[2] - v[2] * d[1], v[2] * d[0] - v[0] * d[2],
                         v[0] * d[1] - v[1] * d[0]};
    return std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]) /
           std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

} // namespace

// Record order, names, limits and the physics of every record over many events.
TEST(EventGeneratorTest, EventsHoldTheD0DecayFirstAndConsistentRecords) {
    EventGenerator generator(12345);
    const auto events = generator.events(400);
    const std::set<std::string> known = {"pi+", "pi-", "K+", "K-",  "p+",
                                         "p-",  "e+",  "e-", "mu+", "mu-"};
    double massSum = 0, massSum2 = 0;
    int sharedKeys = 0, pions = 0, kaons = 0, others = 0;
    for (const auto& records : events) {
        ASSERT_GE(records.size(), 3u + EventGenerator::kMinOtherTracks);
        ASSERT_LE(records.size(), 3u + EventGenerator::kMaxOtherTracks);
        const auto& d0 = records[0];
        const auto& kaon = records[1];
        const auto& pion = records[2];
        EXPECT_EQ(d0.particleId, "D0");
        ASSERT_TRUE(kaon.particleId == "K-" || kaon.particleId == "K+") << kaon.particleId;
        EXPECT_EQ(pion.particleId, kaon.particleId == "K-" ? "pi+" : "pi-");
        EXPECT_EQ(kaon.q, -pion.q);
        EXPECT_EQ(d0.q, 0);

        // D0: momentum 20-150 GeV/c, transverse 1-8 GeV/c, its points from the primary vertex
        // to the decay vertex where both daughters start.
        const double p = momentum(d0), pt = std::hypot(d0.px, d0.py);
        EXPECT_GT(p, 19000);
        EXPECT_LT(p, 152000);
        EXPECT_GT(pt, 950);
        EXPECT_LT(pt, 8100);
        EXPECT_NEAR(d0.points.front()[0], d0.pvx, 1e-4);
        EXPECT_NEAR(d0.points.front()[2], d0.pvz, 1e-3);
        EXPECT_EQ(d0.points.back(), kaon.points.front());
        EXPECT_EQ(d0.points.back(), pion.points.front());

        const double m = pairMass(kaon, pion);
        EXPECT_GT(m, 1814);
        EXPECT_LT(m, 1915);
        massSum += m;
        massSum2 += m * m;

        std::set<std::int32_t> keys;
        for (size_t i = 0; i < records.size(); ++i) {
            const auto& r = records[i];
            ASSERT_TRUE(r.hasParticleId && r.hasTrack);
            if (i >= 3) {
                EXPECT_TRUE(known.count(r.particleId)) << r.particleId;
                pions += r.particleId.rfind("pi", 0) == 0;
                kaons += r.particleId[0] == 'K';
                others += r.particleId.rfind("pi", 0) != 0 && r.particleId[0] != 'K';
                const double ptOther = std::hypot(r.px, r.py);
                EXPECT_GE(ptOther, 200);
                EXPECT_LE(ptOther, 2000);
                // Starts at the primary vertex, within a few resolutions.
                EXPECT_LT(std::fabs(r.points.front()[2] - r.pvz), 1.0);
            }
            EXPECT_NEAR(r.mass, expectedMass(r.particleId), 1e-9) << r.particleId;
            const double p2 = r.px * r.px + r.py * r.py + r.pz * r.pz;
            EXPECT_NEAR(r.E * r.E, p2 + r.mass * r.mass, 1e-9 * r.E * r.E);
            EXPECT_GT(r.pz, 0);
            EXPECT_GT(r.chi2, 0);
            EXPECT_LT(r.chi2, i == 0 ? 40 : 10); // vertex fit of the D0, track fits
            EXPECT_EQ(r.pvx, d0.pvx);
            EXPECT_EQ(r.pvy, d0.pvy);
            EXPECT_EQ(r.pvz, d0.pvz);
            EXPECT_LT(std::fabs(r.pvx), 0.3);
            EXPECT_LT(std::fabs(r.pvz), 151);
            EXPECT_EQ(r.zFirstMeasurement, r.points.front()[2]);
            // The impact parameter belongs to the track's line (the D0's through its decay
            // vertex) and its momentum.
            const auto& start = i == 0 ? r.points.back() : r.points.front();
            const double ip = distanceFromLine({r.pvx, r.pvy, r.pvz},
                                               {start[0], start[1], start[2]}, {r.px, r.py, r.pz});
            EXPECT_NEAR(r.ip, ip, 1e-4 + 1e-3 * ip) << r.particleId;
            EXPECT_GE(r.ipchi2, 0);
            EXPECT_LT(r.ip, 5.0);
            EXPECT_GE(r.points.size(), 20u) << r.particleId;
            EXPECT_LE(r.points.size(), 60u);
            for (const auto& point : r.points)
                ASSERT_TRUE(insideWorld(point));
            sharedKeys += !keys.insert(pickKey(r.points)).second;
        }
    }
    EXPECT_EQ(sharedKeys, 0);
    // Pair masses spread by a few MeV/c^2 around the D0 mass.
    const double n = events.size();
    const double mean = massSum / n, sigma = std::sqrt(massSum2 / n - mean * mean);
    EXPECT_NEAR(mean, kD0Mass, 1.5);
    EXPECT_GT(sigma, 5);
    EXPECT_LT(sigma, 10);
    // Mostly pions, some kaons, a few others.
    EXPECT_GT(pions, 0.7 * (pions + kaons + others));
    EXPECT_GT(kaons, 0.05 * (pions + kaons + others));
    EXPECT_GT(others, 0.02 * (pions + kaons + others));
    EXPECT_LT(others, 0.2 * (pions + kaons + others));
}

// Flight lengths follow c tau times beta gamma; wrong pairs mostly miss the mass window.
TEST(EventGeneratorTest, FlightLengthsAndWrongPairsArePhysical) {
    EventGenerator generator(777);
    double scaledFlightSum = 0;
    int wrongInside = 0, wrongPairs = 0;
    const int n = 2000;
    for (int e = 0; e < n; ++e) {
        const auto records = generator.event();
        const auto& d0 = records[0];
        const auto& a = d0.points.front();
        const auto& b = d0.points.back();
        const double flight = std::sqrt(std::pow(b[0] - a[0], 2) + std::pow(b[1] - a[1], 2) +
                                        std::pow(b[2] - a[2], 2));
        scaledFlightSum += flight / (momentum(d0) / kD0Mass);
        for (size_t i = 3; i + 1 < records.size(); i += 2) {
            if (records[i].q == records[i + 1].q)
                continue;
            ++wrongPairs;
            const double m = pairMass(records[i], records[i + 1]);
            wrongInside += m > 1814 && m < 1915;
        }
    }
    EXPECT_NEAR(scaledFlightSum / n, kD0CTau, 0.08 * kD0CTau);
    EXPECT_LT(wrongInside, 0.1 * wrongPairs);
}

TEST(EventGeneratorTest, SameSeedSameEvents) {
    const auto a = EventGenerator(99).events(5);
    const auto b = EventGenerator(99).events(5);
    const auto c = EventGenerator(100).events(5);
    ASSERT_EQ(a.size(), b.size());
    for (size_t e = 0; e < a.size(); ++e) {
        ASSERT_EQ(a[e].size(), b[e].size());
        for (size_t i = 0; i < a[e].size(); ++i) {
            EXPECT_EQ(a[e][i].px, b[e][i].px);
            EXPECT_EQ(a[e][i].points, b[e][i].points);
        }
    }
    EXPECT_NE(a[0][1].px, c[0][1].px);
}

// Every generated record is found again by the key the event display computes from its
// line's first and last points.
TEST(PickKeyTest, GeneratedRecordsAreFoundByTheDisplaysKey) {
    EventGenerator generator(4242);
    for (const auto& event : generator.events(300)) {
        std::map<int, const rootio::TrackRecord*> byKey;
        for (const auto& r : event)
            byKey[pickKey(r.points.front(), r.points.back())] = &r;
        for (const auto& r : event)
            ASSERT_EQ(byKey.at(pickKey(r.points.front(), r.points.back())), &r);
    }
}
