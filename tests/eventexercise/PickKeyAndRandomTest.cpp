#include "BasicRandom.h"
#include "PickKey.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

TEST(PickKey, ExamplesAndSigns) {
    EXPECT_EQ(pickKey(10.7f, -3.2f, 1200.9f, 55.5f), 3276122);
    EXPECT_EQ(pickKey(-10.7f, 3.2f, -1200.9f, -55.5f), -3276122);
    // Coordinates between -1 and 1 truncate to zero.
    EXPECT_EQ(pickKey(0.4f, 0.9f, -0.9f, 0.2f), 0);
    // z plays no part; the array form uses x and y of first and last points.
    EXPECT_EQ(pickKey({10.7f, -3.2f, 5.0f}, {1200.9f, 55.5f, 9999.0f}), 3276122);
    // Last x and last y share a factor: swapping them keeps the key.
    EXPECT_EQ(pickKey(1, 2, 300, 400), pickKey(1, 2, 400, 300));
    // Overflow wraps in 32 bits: 10571 * 200000 * 2 exceeds 2^31.
    const std::uint32_t k = 31u * 0u + 961u * 0u + 10571u * 200000u + 10571u * 200000u;
    EXPECT_EQ(pickKey(0, 0, 200000, 200000), static_cast<std::int32_t>(k) % 10000000);
    EXPECT_LT(pickKey(0, 0, 200000, 200000), 0);
    // Values beyond the int range do not crash.
    EXPECT_NO_THROW(pickKey(1e30f, -1e30f, NAN, 0));
}

TEST(BasicRandom, SequenceOfSeed65539) {
    vexel::BasicRandom r(65539);
    EXPECT_NEAR(r.next(), 0.1543001532554629, 1e-15);
    EXPECT_EQ(r.state(), 331357056u);
    EXPECT_NEAR(r.next(), 0.42324515851214595, 1e-15);
    EXPECT_NEAR(r.next(), 0.7905995836481464, 1e-15);
    vexel::BasicRandom a(65539), b(65539);
    for (int i = 0; i < 1000; ++i) {
        const double u = a.next();
        ASSERT_EQ(u, b.next());
        ASSERT_GT(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    // A state that leads to zero is skipped: 12345 * 1103515245^-1 ... use the
    // predecessor of zero found by search in a small range is impractical, so check
    // that the zero state itself moves on to a non-zero value.
    vexel::BasicRandom z(0);
    EXPECT_GT(z.next(), 0.0);
}
