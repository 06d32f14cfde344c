#include "document/Currency.h"

#include <gtest/gtest.h>

#include <limits>

using drovan::Currency;
using drovan::CurrencySum;

namespace {

struct ParseCase {
    const char *text;
    std::optional<std::int64_t> units;
};

TEST(CurrencyTest, ParsesFixedPointTextExactly) {
    const ParseCase cases[] = {
        {"0", 0},
        {"7", 70000},
        {"1234.5", 12345000},
        {"  1234.50 ", 12345000},
        {"0.10", 1000},
        {".5", 5000},
        {"5.", 50000},
        {"-2.25", -22500},
        {"+3", 30000},
        {"99999999999.99", 999999999999900},
        {"1.00005", 10000},  // tie to even: ...0 stays
        {"1.00015", 10002},  // tie to even: ...1 goes up
        {"1.000051", 10001}, // above the tie
        {"1.00004999", 10000},
        {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        {"922337203685477.5808", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"ABC", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1,234.50", std::nullopt}, // no group separator allowed unless given
        {"1e3", std::nullopt},
        {"12 34", std::nullopt},
        {"$5", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = Currency::parse(c.text);
        ASSERT_EQ(parsed.has_value(), c.units.has_value());
        if (parsed) {
            EXPECT_EQ(parsed->units(), *c.units);
        }
    }
}

TEST(CurrencyTest, ParsesWithTheLocaleSeparatorsGiven) {
    EXPECT_EQ(Currency::parse("1234,5", ",")->units(), 12345000);
    EXPECT_FALSE(Currency::parse("1234.5", ",").has_value());
    EXPECT_EQ(Currency::parse("1.234,50", ",", ".")->units(), 12345000);
    EXPECT_EQ(Currency::parse("1,234.50", ".", ",")->units(), 12345000);
    EXPECT_FALSE(Currency::parse("1,,234", ".", ",").has_value());
    EXPECT_FALSE(Currency::parse("1,", ".", ",").has_value());
}

struct FormatCase {
    std::int64_t units;
    const char *plain;
    const char *fixed2;
    const char *display;
};

TEST(CurrencyTest, FormatsPlainFixedAndDisplayForms) {
    const FormatCase cases[] = {
        {0, "0", "0.00", "0.00"},
        {70000, "7", "7.00", "7.00"},
        {12345000, "1234.5", "1234.50", "1,234.50"},
        {999999999999900, "99999999999.99", "99999999999.99", "99,999,999,999.99"},
        {1000000000000000, "100000000000", "100000000000.00", "100,000,000,000.00"},
        {10050, "1.005", "1.00", "1.00"}, // tie to the even cent
        {10150, "1.015", "1.02", "1.02"},
        {10051, "1.0051", "1.01", "1.01"},
        {-12345000, "-1234.5", "-1234.50", "-1,234.50"},
        {-50, "-0.005", "0.00", "0.00"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808", "-922337203685477.58",
         "-922,337,203,685,477.58"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.plain);
        const auto amount = Currency::fromUnits(c.units);
        EXPECT_EQ(amount.toPlain(), c.plain);
        EXPECT_EQ(amount.toFixed2(), c.fixed2);
        EXPECT_EQ(amount.toDisplay(".", ","), c.display);
    }
    EXPECT_EQ(Currency::fromUnits(12345000).toDisplay(",", "\xA0"), "1\xA0"
                                                                    "234,50");
    EXPECT_EQ(Currency::fromUnits(12345000).toPlain(","), "1234,5");
}

TEST(CurrencyTest, RoundsToCentsHalfToEven) {
    EXPECT_EQ(Currency::fromUnits(10050).roundedToCents().units(), 10000);
    EXPECT_EQ(Currency::fromUnits(10150).roundedToCents().units(), 10200);
    EXPECT_EQ(Currency::fromUnits(-10150).roundedToCents().units(), -10200);
    EXPECT_EQ(Currency::fromUnits(-10049).roundedToCents().units(), -10000);
}

TEST(CurrencySumTest, AddsExactlyAndBeyondOneAmountsRange) {
    CurrencySum sum;
    sum.add(*Currency::parse("0.10"));
    sum.add(*Currency::parse("0.20"));
    EXPECT_EQ(sum.toFixed2(), "0.30");
    sum.subtract(*Currency::parse("0.30"));
    EXPECT_TRUE(sum.isZero());
    EXPECT_EQ(sum.toDisplay(".", ","), "0.00");

    const auto max = Currency::fromUnits(std::numeric_limits<std::int64_t>::max());
    CurrencySum big;
    for (int i = 0; i < 4; ++i)
        big.add(max);
    // 4 * 9223372036854775807 units
    EXPECT_EQ(big.toPlain(), "3689348814741910.3228");
    EXPECT_EQ(big.toDisplay(".", ","), "3,689,348,814,741,910.32");
    for (int i = 0; i < 4; ++i)
        big.subtract(max);
    EXPECT_TRUE(big.isZero());

    CurrencySum negative;
    negative.subtract(max);
    negative.subtract(max);
    EXPECT_EQ(negative.toPlain(), "-1844674407370955.1614");
    negative.add(Currency::fromUnits(1));
    EXPECT_EQ(negative.toPlain(), "-1844674407370955.1613");
}

} // namespace
