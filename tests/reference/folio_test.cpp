#include "reference/Folio.h"

#include "reference/ReferenceLists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FolioTest, MaskFindTrimsTheCodeAndTakesOnlyThreeCharacters) {
    struct Case {
        std::string code;
        bool found;
        std::string mask;
    };
    const Case cases[] = {
        {" 759 ", true, "759 09 ######.###"},
        {"759", true, "759 09 ######.###"},
        {"701", true, "701 08 #####.###"},
        {"\t781\r\n", true, "781 09 ######.###"},
        {"7011", false, ""},
        {"70", false, ""},
        {"", false, ""},
        {"   ", false, ""},
        {"700", false, ""},
        {"701 FERNIE RURAL", false, ""},
        {"7 1", false, ""},
        {"201", false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        // A mask left from an earlier lookup must never survive a failed one.
        std::string currentMask = "stale";
        EXPECT_EQ(drovan::FolioMaskFind(c.code, currentMask), c.found);
        EXPECT_EQ(currentMask, c.mask);
    }
}

TEST(FolioTest, MaskFindFindsEveryJurisdictionsOwnRow) {
    for (std::string_view row : drovan::rows(drovan::ReferenceList::FolioMask)) {
        std::string currentMask;
        EXPECT_EQ(drovan::FolioMaskFind(row.substr(0, 3), currentMask), true);
        EXPECT_EQ(currentMask, row);
    }
}

struct DisplayCase {
    const char *label;
    std::string jurisdiction;
    std::string digits;
    std::string display;
};

TEST(FolioTest, DisplayLaysTheDigitsIntoThePatternFromTheRight) {
    const DisplayCase cases[] = {
        {"701 full", "701", "12345678", "12345.678"},
        {"701 one digit", "701", "5", "00000.005"},
        {"701 empty", "701", "", "00000.000"},
        {"701 too many", "701", "123456789", "23456.789"},
        {"759 full", "759", "123456789", "123456.789"},
        {"759 short", "759", "12345678", "012345.678"},
        {"no mask row", "700", "12345678", "000000000012345678"},
        {"two-character code", "70", "1", "000000000000000001"},
        {"full stop in the digits", "701", "12345.678", "2345..678"},
        {"digits of 12345.", "701", "12345", "00012.345"},
        {"code with blanks", " 781 ", "1", "000000.001"},
        {"digits with blanks", "701", "  12345678\t", "12345.678"},
        {"inner blank kept", "701", "1 2", "00000.1 2"},
        {"whole row as code", "701 FERNIE RURAL", "12345678", "000000000012345678"},
        {"eighteen digits", "700", "123456789012345678", "123456789012345678"},
        {"beyond eighteen", "700", "99123456789012345678", "123456789012345678"},
        {"letters", "701", "ABCDEFGH", "ABCDE.FGH"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(drovan::FolioDisplay(c.jurisdiction, c.digits), c.display);
    }
}

TEST(FolioTest, AddTrailingZeroesCompletesOneOrTwoDecimals) {
    struct Case {
        std::string text;
        std::string result;
    };
    const Case cases[] = {
        {"12345", "12345.000"},
        {"12345.6", "12345.600"},
        {"12345.67", "12345.670"},
        {"12345.678", "12345.678"},
        {"12345.6789", "12345.6789"},
        {"12345.", "12345."},
        {".5", ".500"},
        {"1.2.3", "1.2.3"},
        {"1.2", "1.200"},
        {"1.2.", "1.2.0"},
        {"", ""},
        {" \t\r\n", ""},
        {"  12345.6  ", "12345.600"},
        {".", "."},
        {"ABC", "ABC.000"},
        {"12 345", "12 345.000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(drovan::AddTrailingZeroes(c.text), c.result);
    }
}

TEST(FolioTest, RemoveCommasAndDoubleQuotesCleansALine) {
    struct Case {
        const char *label;
        std::string line;
        std::string result;
    };
    const Case cases[] = {
        {"quoted comma", "701,12345.678,\"SMITH, JOHN\",100.00,GARBAGE",
         "701,12345.678,SMITH JOHN,100.00,GARBAGE"},
        {"blank on each side of a quoted comma", "701,\"SMITH , JOHN\",5", "701,SMITH  JOHN,5"},
        {"no quotes keeps every comma", "701,  12345.678,,SMITH   JOHN ,5",
         "701, 12345.678,,SMITH JOHN ,5"},
        {"odd quotes drop every later comma", "701,\"SMITH,JOHN,100.00,GARBAGE",
         "701,SMITHJOHN100.00GARBAGE"},
        {"commas after a closed pair stay", "\"A,B\",\"C,D\",E", "AB,CD,E"},
        {"empty quotes", "701,\"\",5", "701,,5"},
        {"blank run across a quote", "A \" B\"", "A  B"},
        {"trimmed first", "  \t701, A\r\n", "701, A"},
        {"tab is no blank", "A\t\tB", "A\t\tB"},
        {"empty", "", ""},
        {"only blanks", "    ", ""},
        {"only quotes", "\"\"\"", ""},
        {"no change", "701,12345.678,SMITH,5.00,GARBAGE", "701,12345.678,SMITH,5.00,GARBAGE"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(drovan::RemoveCommasAndDoubleQuotes(c.line), c.result);
    }
}

TEST(FolioTest, DigitsOnlyKeepsTheDigitsInOrder) {
    struct Case {
        std::string text;
        std::string digits;
    };
    const Case cases[] = {
        {"12345.678", "12345678"},
        {" 1a2-3 ", "123"},
        {"", ""},
        {"ABC", ""},
        {"0009", "0009"},
        {"\xb9\xb2\xb3"
         "4",
         "4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(drovan::DigitsOnly(c.text), c.digits);
    }
}

TEST(FolioTest, ReaderChainCompletesThenLaysTheDigits) {
    struct Case {
        const char *jurisdiction;
        const char *field;
        const char *display;
    };
    const Case cases[] = {
        {"701", "12345.6", "12345.600"},
        {"701", "12345.", "00012.345"},
        {"701", "123", "00123.000"},
        {"759", "123456.7", "123456.700"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(drovan::FolioDisplay(c.jurisdiction,
                                       drovan::DigitsOnly(drovan::AddTrailingZeroes(c.field))),
                  c.display);
    }
}

TEST(FolioTest, AnyTextGivesAResult) {
    const std::string longDigits(100000, '9');
    // Codes 32 and below are trimmed at the ends; DEL and bytes above 127 are not.
    const std::string controls = std::string("\x00\x1b", 2) +
                                 "1\x01\x02"
                                 "2" +
                                 "\x1f";
    const std::string high("\x80\xa0\xe9\xff", 4);

    std::string currentMask = "stale";
    EXPECT_EQ(drovan::FolioMaskFind(longDigits, currentMask), false);
    EXPECT_EQ(currentMask, "");
    EXPECT_EQ(drovan::FolioMaskFind(controls, currentMask), false);
    EXPECT_EQ(drovan::FolioMaskFind(high.substr(0, 3), currentMask), false);
    EXPECT_EQ(drovan::FolioMaskFind("\x7f"
                                    "70",
                                    currentMask),
              false);
    EXPECT_EQ(drovan::FolioMaskFind(std::string("\x00"
                                                "701\x1f",
                                                5),
                                    currentMask),
              true);
    EXPECT_EQ(currentMask, "701 08 #####.###");

    EXPECT_EQ(drovan::FolioDisplay("701", longDigits), "99999.999");
    EXPECT_EQ(drovan::FolioDisplay(longDigits, "1"), "000000000000000001");
    EXPECT_EQ(drovan::FolioDisplay("701", controls), "00001.\x01\x02"
                                                     "2");
    EXPECT_EQ(drovan::FolioDisplay("701", high), "0000\x80.\xa0\xe9\xff");
    EXPECT_EQ(drovan::FolioDisplay(high, "7"), "000000000000000007");

    EXPECT_EQ(drovan::AddTrailingZeroes(longDigits), longDigits + ".000");
    EXPECT_EQ(drovan::AddTrailingZeroes(controls), "1\x01\x02"
                                                   "2.000");
    EXPECT_EQ(drovan::AddTrailingZeroes(std::string("\x00\x1f", 2)), "");
    EXPECT_EQ(drovan::AddTrailingZeroes(high), high + ".000");
    EXPECT_EQ(drovan::AddTrailingZeroes("\x01"
                                        "5.\xe9\x02"),
              "5.\xe9"
              "00");

    const std::string longLine = std::string(50000, ' ') + "A" + std::string(50000, ',');
    EXPECT_EQ(drovan::RemoveCommasAndDoubleQuotes(longLine), "A" + std::string(50000, ','));
    EXPECT_EQ(drovan::RemoveCommasAndDoubleQuotes("\"" + std::string(100000, ',')), "");
    EXPECT_EQ(drovan::RemoveCommasAndDoubleQuotes(controls), "1\x01\x02"
                                                             "2");
    EXPECT_EQ(drovan::RemoveCommasAndDoubleQuotes(high + ",\"" + high + ",\""), high + "," + high);

    EXPECT_EQ(drovan::DigitsOnly(longDigits), longDigits);
    EXPECT_EQ(drovan::DigitsOnly(controls + high), "12");
}

} // namespace
