#include "VxLumoTrack.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(VxLumoTrack, DefaultsAreZeroMomentaAndUnsetVertexFields) {
    const VxLumoTrack t;
    EXPECT_EQ(t.mass, 0);
    EXPECT_EQ(t.E, 0);
    EXPECT_EQ(t.px, 0);
    EXPECT_EQ(t.q, 0);
    EXPECT_EQ(t.chi2, 0);
    EXPECT_EQ(t.particleId, nullptr);
    EXPECT_EQ(t.track, nullptr);
    for (double v : {t.pvx, t.pvy, t.pvz, t.ipchi2, t.ip, t.zFirstMeasurement})
        EXPECT_EQ(v, -9999.0);
}

TEST(VxLumoTrack, CopiesShareNameAndPointsAndCompareOrdersByIdentity) {
    rootio::TrackRecord r;
    r.particleId = "pi+";
    r.points = {{1, 2, 3}};
    const VxLumoTrack a = VxLumoTrack::fromRecord(r);
    const VxLumoTrack copy = a;
    EXPECT_EQ(copy.particleId.get(), a.particleId.get());
    EXPECT_EQ(copy.track.get(), a.track.get());
    // Same text, different objects: the order follows the addresses, not the text.
    const VxLumoTrack b = VxLumoTrack::fromRecord(r);
    EXPECT_NE(a.particleId.get(), b.particleId.get());
    EXPECT_NE(VxLumoTrack::compare(a, b), VxLumoTrack::compare(b, a));
    EXPECT_EQ(VxLumoTrack::compare(a, b), a.particleId.get() < b.particleId.get());
    EXPECT_FALSE(VxLumoTrack::compare(a, copy));
    EXPECT_FALSE(VxLumoTrack::compare(copy, a));
}

TEST(VxLumoTrack, PrintTrackWritesOneValuePerLineWithoutEnergy) {
    VxLumoTrack t;
    t.particleId = std::make_shared<const std::string>("K-");
    t.mass = 493.677;
    t.E = 5000;
    t.px = 1.0 / 3.0;
    t.py = -2;
    t.pz = 12345678;
    t.q = -1;
    t.chi2 = 0.5;
    std::ostringstream out;
    t.printTrack(out);
    EXPECT_EQ(out.str(), "Particle: K-\n"
                         " Mass   : 493.677\n"
                         " px     : 0.333333\n"
                         " py     : -2\n"
                         " pz     : 1.23457e+07\n"
                         " q      : -1\n"
                         " chi2   : 0.5\n"
                         " pvx    : -9999\n"
                         " pvy    : -9999\n"
                         " pvz    : -9999\n"
                         " ipchi2 : -9999\n"
                         " ip     : -9999\n"
                         " z meas : -9999\n");
    std::ostringstream noName;
    VxLumoTrack().printTrack(noName);
    EXPECT_EQ(noName.str().rfind(" Mass   : 0\n", 0), 0u);
}

TEST(VxLumoTrack, RecordConversionKeepsEveryField) {
    rootio::TrackRecord r;
    r.mass = 1;
    r.E = 2;
    r.px = 3;
    r.py = 4;
    r.pz = 5;
    r.chi2 = 6;
    r.q = 7;
    r.particleId = "D0";
    r.points = {{1, 2, 3}, {4, 5, 6}};
    r.pvx = 8;
    r.pvy = 9;
    r.pvz = 10;
    r.ipchi2 = 11;
    r.ip = 12;
    r.zFirstMeasurement = 13;
    const VxLumoTrack t = VxLumoTrack::fromRecord(r);
    EXPECT_EQ(*t.particleId, "D0");
    EXPECT_EQ(t.track->size(), 2u);
    const rootio::TrackRecord back = t.toRecord();
    EXPECT_EQ(back.particleId, "D0");
    EXPECT_EQ(back.points, r.points);
    EXPECT_EQ(back.zFirstMeasurement, 13);
    EXPECT_EQ(back.E, 2);
    rootio::TrackRecord none;
    none.hasParticleId = false;
    none.hasTrack = false;
    const VxLumoTrack n = VxLumoTrack::fromRecord(none);
    EXPECT_EQ(n.particleId, nullptr);
    EXPECT_EQ(n.track, nullptr);
    EXPECT_FALSE(n.toRecord().hasParticleId);
    EXPECT_FALSE(n.toRecord().hasTrack);
}
