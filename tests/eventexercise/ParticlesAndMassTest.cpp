#include "InvariantMass.h"
#include "MassHistogram.h"
#include "ParticleChoice.h"
#include "RootListing.h"
#include "TemporaryFolder.h"
#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

VxLumoTrack particle(std::shared_ptr<const std::string> name, double E, double px, double py,
                     double pz) {
    VxLumoTrack t;
    t.particleId = std::move(name);
    t.E = E;
    t.px = px;
    t.py = py;
    t.pz = pz;
    return t;
}

// Two particles with opposite momenta: their invariant mass is the sum of the energies.
std::pair<VxLumoTrack, VxLumoTrack> pairOfMass(double first, double second) {
    auto k = std::make_shared<const std::string>("K-");
    auto pi = std::make_shared<const std::string>("pi+");
    return {particle(k, first, 310.5, -220.25, 4100), particle(pi, second, -310.5, 220.25, -4100)};
}

float massOf(double first, double second) {
    const auto [a, b] = pairOfMass(first, second);
    return static_cast<float>(invariantMass(a, b));
}

} // namespace

TEST(ParticleChoice, SameTrackAndSlots) {
    auto name = std::make_shared<const std::string>("pi+");
    const VxLumoTrack t1 = particle(name, 1000, 10, 20, 30);
    const VxLumoTrack copy = t1;
    // Equal text but another name object: another record.
    const VxLumoTrack sameText =
        particle(std::make_shared<const std::string>("pi+"), 1000, 10, 20, 30);
    const VxLumoTrack otherPy = particle(name, 1000, 10, 21, 30);
    const VxLumoTrack otherPz = particle(name, 999, 10, 20, 31);
    EXPECT_TRUE(sameTrack(t1, copy));
    EXPECT_FALSE(sameTrack(t1, sameText));
    EXPECT_FALSE(sameTrack(t1, otherPy));
    EXPECT_TRUE(sameTrack(t1, otherPz)); // only the name, px and py count
    const VxLumoTrack none;
    const VxLumoTrack t2 = particle(std::make_shared<const std::string>("K-"), 600, 1, 2, 3);

    EXPECT_EQ(chooseSlot(0, 0, t1, none, none), SlotChoice::FirstSlot);
    EXPECT_EQ(chooseSlot(1, 0, t1, t1, none), SlotChoice::AlreadyChosen);
    EXPECT_EQ(chooseSlot(1, 0, t2, t1, none), SlotChoice::SecondSlot);
    EXPECT_EQ(chooseSlot(2, 0, t2, t1, t2), SlotChoice::TooMany);
    EXPECT_EQ(chooseSlot(2, 1, t2, t1, t2), SlotChoice::TooMany);
    // First slot emptied, second kept: the second is compared, the first slot refilled.
    EXPECT_EQ(chooseSlot(1, 1, t2, t1, t2), SlotChoice::AlreadyChosen);
    EXPECT_EQ(chooseSlot(1, 1, t1, t1, t2), SlotChoice::FirstSlot);
    // Both emptied: the stale slots are not compared.
    EXPECT_EQ(chooseSlot(0, 1, t2, t1, t2), SlotChoice::FirstSlot);
}

TEST(InvariantMass, ValuesRangeAndFormat) {
    const auto [k, pi] = pairOfMass(1000, 864.8359);
    EXPECT_NEAR(invariantMass(k, pi), 1864.8359, 1e-9);
    EXPECT_EQ(formatValue(static_cast<float>(invariantMass(k, pi))), "1864.84");
    // Summed four-momenta: mass of a kaon and a pion with real momenta.
    const double mk = 493.677, mpi = 139.57;
    const VxLumoTrack kaon = particle(nullptr, std::sqrt(mk * mk + 1e6 + 4e4), 1000, 200, 0);
    const VxLumoTrack pion = particle(nullptr, std::sqrt(mpi * mpi + 9e4), -300, 0, 0);
    const double E = kaon.E + pion.E;
    EXPECT_NEAR(invariantMass(kaon, pion), std::sqrt(E * E - 700.0 * 700 - 200.0 * 200), 1e-9);
    EXPECT_GT(invariantMass(kaon, pion), mk + mpi);
    // Energy below momentum: not a number, and refused.
    const VxLumoTrack slow = particle(nullptr, 10, 5000, 0, 0);
    EXPECT_TRUE(std::isnan(invariantMass(slow, pion)));
    EXPECT_FALSE(massAccepted(static_cast<float>(invariantMass(slow, pion))));
    EXPECT_NE(formatValue(invariantMass(slow, pion)).find("nan"), std::string::npos);

    // The range, both bounds included, in single precision.
    EXPECT_TRUE(massAccepted(massOf(1000, 864.8359)));
    EXPECT_TRUE(massAccepted(massOf(1000, 814)));   // 1814
    EXPECT_TRUE(massAccepted(massOf(1000, 814.5))); // 1814.5
    EXPECT_TRUE(massAccepted(massOf(1000, 915)));   // 1915
    EXPECT_FALSE(massAccepted(massOf(1000, 813.99)));
    EXPECT_FALSE(massAccepted(massOf(1000, 915.01)));
    EXPECT_FALSE(massAccepted(0.0f));
    EXPECT_FALSE(massAccepted(INFINITY));
    // A double just above 1915 that rounds to 1915 in single precision is accepted.
    EXPECT_TRUE(massAccepted(static_cast<float>(1915.00001)));

    EXPECT_EQ(formatValue(-0.004), "-0.00");
    EXPECT_EQ(formatValue(1.5), "1.50");
    EXPECT_EQ(formatValue(139.5749), "139.57");
    EXPECT_EQ(formatValue(1e300).size(), 304u); // every digit, nothing cut
}

TEST(MassHistogram, BinsAndRecord) {
    analysis::Hist1D h = makeMassHistogram();
    EXPECT_TRUE(h.xTitle().empty());
    h.fill(static_cast<double>(massOf(1000, 864.8359)));
    h.fill(static_cast<double>(massOf(1000, 814.5)));
    h.fill(static_cast<double>(massOf(1000, 915)));
    h.fill(1815.0);
    h.fill(1914.99);
    EXPECT_EQ(h.binContent(25), 1); // 1864.84
    EXPECT_EQ(h.binContent(0), 1);  // 1814.5: underflow
    EXPECT_EQ(h.binContent(51), 1); // 1915: overflow
    EXPECT_EQ(h.binContent(1), 1);
    EXPECT_EQ(h.binContent(50), 1);
    EXPECT_EQ(h.entries(), 5);

    // On file: a TH1F with the same cells.
    const rootio::Histogram1D r = massHistogramRecord(h);
    EXPECT_FALSE(r.doublePrecision);
    ASSERT_EQ(r.contents.size(), 52u);
    ASSERT_EQ(r.sumw2.size(), 52u);
    EXPECT_EQ(r.contents[0], 1);
    EXPECT_EQ(r.contents[51], 1);
    EXPECT_EQ(r.entries, 5);
}

TEST(MassHistogram, FileNameStaysInOutputDirectory) {
    EXPECT_EQ(massHistogramPath("out/", "12_Ann_Lee_3b.root"),
              "out/MassHistogram_12_Ann_Lee_3b.root");
    EXPECT_EQ(massHistogramPath("", "1_A_B_C.root"), "MassHistogram_1_A_B_C.root");
    // Details typed with slashes cannot lead out of the output directory.
    EXPECT_EQ(massHistogramPath("out/", "3_../../etc_x_y.root"),
              "out/MassHistogram_3_.._.._etc_x_y.root");
}

TEST(MassHistogram, SavedFileReadsBackAndIsReplaced) {
    const vexel::test::TemporaryFolder dir("vexel-mass-histogram");
    const std::string path = dir.file("MassHistogram_4_Ann_Lee_3b.root");
    analysis::Hist1D h = makeMassHistogram();
    h.fill(1864.8359375);
    h.fill(1814.5);
    saveMassHistogram(path, h);
    {
        rootio::FileReader file(path);
        ASSERT_EQ(file.keys().size(), 1u);
        EXPECT_EQ(file.keys()[0].name, "hist");
        EXPECT_EQ(file.keys()[0].className, "TH1F");
        EXPECT_EQ(file.keys()[0].title, "My histogram");
        const rootio::Histogram1D back = file.readHistogram("hist");
        EXPECT_FALSE(back.doublePrecision);
        EXPECT_EQ(back.nbins, 50);
        EXPECT_EQ(back.xmin, 1815);
        EXPECT_EQ(back.xmax, 1915);
        EXPECT_EQ(back.contents[25], 1);
        EXPECT_EQ(back.contents[0], 1);
        EXPECT_EQ(back.entries, 2);
    }
    // The listing tool sees one TH1F "hist".
    std::ostringstream listing;
    rootlisting::listKeys(path, listing);
    EXPECT_NE(listing.str().find("hist;1"), std::string::npos) << listing.str();
    EXPECT_NE(listing.str().find("TH1F"), std::string::npos) << listing.str();
    EXPECT_NE(listing.str().find("My histogram"), std::string::npos) << listing.str();

    // A missing directory fails with rootio::Error.
    EXPECT_THROW(saveMassHistogram(dir.file("missing/x.root"), h), rootio::Error);
}
