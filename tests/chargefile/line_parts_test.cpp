#include "chargefile/LineParts.h"
#include "reference/Folio.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace drovan;

namespace {

// The rule spelt out plainly, to hold the one-pass split against.
DataLineFields plainSplit(std::string_view line, std::string &cleaned) {
    cleaned = RemoveCommasAndDoubleQuotes(line);
    DataLineFields out;
    out.cleaned = cleaned;
    std::string_view rest = cleaned;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos || comma == 0) {
            out.layoutProblem = true;
            return out;
        }
        out.fields[i] = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
    }
    out.fields[4] = rest;
    out.layoutProblem = rest.find(',') != std::string_view::npos;
    return out;
}

TEST(LinePartsTest, SplitDataLineCleansAndSplitsAsTheRuleSays) {
    std::vector<std::string> lines = {
        "",
        "   ",
        "723,12345.678,SMITH JOHN,120.00,GARBAGE",
        "  723,12345.678,SMITH JOHN,120.00,GARBAGE \t",
        "723,\"12345.678\",\"SMITH, JOHN\",120.00,GARBAGE",
        "723,12345.678,SMITH  JOHN,120.00,GARBAGE",
        "723,12345.678,SMITH JOHN,120.00,",
        "723,12345.678,SMITH JOHN,120.00,,",
        "723,12345.678,SMITH JOHN,1,234.50,GARBAGE",
        ",,,,",
        "a \" b , c",
        std::string("\0A\0", 3),
        "A\t\tB",
    };
    // Lines over the characters the rule treats specially, long enough to cross eight-byte words.
    std::mt19937 random(7);
    const std::string alphabet = std::string(" \",A,\t") + '\0';
    for (int i = 0; i < 20000; ++i) {
        std::string line;
        const int length = static_cast<int>(random() % 24);
        for (int k = 0; k < length; ++k)
            line.push_back(alphabet[random() % alphabet.size()]);
        lines.push_back(line);
    }
    std::string scratch;
    std::string plainCleaned;
    DataLineFields split;
    for (const auto &line : lines) {
        SCOPED_TRACE(::testing::PrintToString(line));
        splitDataLine(line, scratch, split);
        const DataLineFields expected = plainSplit(line, plainCleaned);
        EXPECT_EQ(split.cleaned, expected.cleaned);
        ASSERT_EQ(split.layoutProblem, expected.layoutProblem);
        if (!expected.layoutProblem) {
            for (std::size_t f = 0; f < 5; ++f)
                EXPECT_EQ(split.fields[f], expected.fields[f]) << "field " << f + 1;
        }
    }
}

TEST(LinePartsTest, FolioDisplayCacheEqualsFolioDisplay) {
    const std::vector<std::string> codes = {"701",
                                            "723",
                                            "759",
                                            "760",
                                            "781",
                                            "700",
                                            "999",
                                            "70",
                                            "",
                                            " 70",
                                            std::string{'7', '\0', '1'},
                                            "ABC",
                                            "7011",
                                            " 759 "};
    const std::vector<std::string> digits = {
        "",     "5",   "12345678", "123456789", "000000000012345678000", "12345678901234567890",
        " 42 ", "12a4"};
    FolioDisplayCache cache;
    std::string out = "left over";
    // Twice over, so that the second round is served from what the first learnt.
    for (int round = 0; round < 2; ++round) {
        for (const auto &code : codes) {
            for (const auto &d : digits) {
                SCOPED_TRACE(::testing::PrintToString(code) + " " + d);
                cache.display(code, d, out);
                EXPECT_EQ(out, FolioDisplay(code, d));
            }
        }
    }
}

TEST(LinePartsTest, DisplayFormShortcutEqualsTheFullFolioRule) {
    // The reader's full rule for a folio field.
    const auto fullRule = [](std::string_view code, std::string_view field) {
        const std::string completed = AddTrailingZeroes(field);
        return completed.empty() ? std::string() : FolioDisplay(code, DigitsOnly(completed));
    };
    const std::vector<std::string> codes = {"701", "759", "781", "700", "70", "", "7011", "ABC"};
    const std::vector<std::string> folios = {
        "12345.678", "123456.789",         "00012.345",   "1234.5678", "12345.67",  "12345.6789",
        "12345678",  "123456789012345678", "12.345.678",  "12345.",    "12a45.678", "",
        "12345,678", ".12345678",          "1234567.890", "12345.678 "};
    FolioDisplayCache cache;
    for (int round = 0; round < 2; ++round) {
        for (const auto &code : codes) {
            for (const auto &folio : folios) {
                SCOPED_TRACE(code + " " + folio);
                if (cache.isDisplayForm(code, folio)) {
                    EXPECT_EQ(fullRule(code, folio), folio);
                }
            }
        }
    }
    // It does take the saved forms, or it would save nothing.
    EXPECT_TRUE(cache.isDisplayForm("701", "12345.678"));
    EXPECT_TRUE(cache.isDisplayForm("759", "123456.789"));
    EXPECT_FALSE(cache.isDisplayForm("759", "12345.678"));
    EXPECT_FALSE(cache.isDisplayForm("700", "123456789012345678")); // completion would add .000
}

} // namespace
