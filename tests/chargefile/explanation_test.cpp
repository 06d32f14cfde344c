#include "chargefile/Explanation.h"

#include <gtest/gtest.h>

using drovan::explanationPartsOf;

namespace {

struct ExplanationCase {
    const char *explanation;
    const char *button;
    const char *note;
};

TEST(ExplanationTest, DerivesTypeAndNoteFromTheExplanation) {
    const ExplanationCase cases[] = {
        {"BLUE BIN GARBAGE", "Garbage", "BLUE BIN"},
        {"GARBAGE", "Garbage", ""},
        {"SEWER", "Sewer", ""},
        {"WATER", "Water", ""},
        {"  BIN SEWER  ", "Sewer", "BIN"},
        {"RAINWATER TANK", "Water", "RAIN TANK"},
        {"GARBAGE PIT SEWER", "Garbage", " PIT SEWER"},
        {"WATER BIN GARBAGE", "Garbage", "WATER BIN"},
        {"SEWER LINE WATER", "Sewer", " LINE WATER"},
        {"GARBAGE BIN", "Garbage", " BIN"},
        {"OLD GARBAGE FEE", "Garbage", "OLD FEE"},
        {"OLD  GARBAGE  FEE", "Garbage", "OLD FEE"},
        {"BINGARBAGEFEE", "Garbage", "BIN FEE"},
        {"GARBAGE X GARBAGE", "Garbage", "GARBAGE X"},
        {"WATERWATER", "Water", "WATER"},
        {"garbage", "Other", "garbage"},
        {"Blue Bin Garbage", "Other", "Blue Bin Garbage"},
        {"LATE FEE", "Other", "LATE FEE"},
        {" LATE FEE ", "Other", "LATE FEE"},
        {"", "Other", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.explanation);
        const auto parts = explanationPartsOf(c.explanation);
        EXPECT_EQ(parts.button, c.button);
        EXPECT_EQ(parts.note, c.note);
    }
}

TEST(ExplanationTest, ReusedNoteIsReplacedNotAppended) {
    std::string note = "LEFT OVER FROM THE LAST LINE";
    EXPECT_EQ(explanationPartsOf("BIN SEWER", note), "Sewer");
    EXPECT_EQ(note, "BIN");
    EXPECT_EQ(explanationPartsOf("SEWER", note), "Sewer");
    EXPECT_EQ(note, "");
    EXPECT_EQ(explanationPartsOf("OLD WATER FEE", note), "Water");
    EXPECT_EQ(note, "OLD FEE");
}

} // namespace
