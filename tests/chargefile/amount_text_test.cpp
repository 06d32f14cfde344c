#include "chargefile/AmountText.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

using drovan::appendFixed2;
using drovan::Currency;

namespace {

TEST(AmountTextTest, AppendsWhatToFixed2Gives) {
    std::vector<std::int64_t> units = {0,
                                       1,
                                       49,
                                       50,
                                       51,
                                       149,
                                       150,
                                       151,
                                       -1,
                                       -50,
                                       -51,
                                       -150,
                                       70000,
                                       12345000,
                                       999999999999900,
                                       1000000000000000,
                                       std::numeric_limits<std::int64_t>::max(),
                                       std::numeric_limits<std::int64_t>::min(),
                                       std::numeric_limits<std::int64_t>::max() - 49,
                                       std::numeric_limits<std::int64_t>::min() + 50};
    std::mt19937_64 random(42);
    for (int i = 0; i < 20000; ++i) {
        // Every magnitude, and ties to the cent in particular.
        const auto value = static_cast<std::int64_t>(random() >> (random() % 64));
        units.push_back(value);
        units.push_back(-value);
        units.push_back(value / 100 * 100 + 50);
    }
    for (const std::int64_t u : units) {
        SCOPED_TRACE(u);
        std::string out = "x";
        appendFixed2(out, Currency::fromUnits(u));
        EXPECT_EQ(out, "x" + Currency::fromUnits(u).toFixed2());
    }
}

} // namespace
