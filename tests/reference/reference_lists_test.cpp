#include "reference/ReferenceLists.h"

#include "document/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using drovan::ReferenceList;

namespace {

struct ListInfo {
    ReferenceList list;
    const char *name;
};

constexpr ListInfo kLists[] = {
    {ReferenceList::RegionalDistrict, "RegionalDistrict"},
    {ReferenceList::Municipality, "Municipality"},
    {ReferenceList::CollectionDistrict, "CollectionDistrict"},
    {ReferenceList::Jurisdiction, "Jurisdiction"},
    {ReferenceList::CdJurCombination, "CdJurCombination"},
    {ReferenceList::FolioMask, "FolioMask"},
};

std::vector<std::string_view> codesOf(ReferenceList list) {
    std::vector<std::string_view> codes;
    for (std::string_view row : drovan::rows(list))
        codes.push_back(drovan::codeOfRow(list, row));
    return codes;
}

TEST(ReferenceListsTest, EachListHasItsRowCount) {
    struct Case {
        ReferenceList list;
        std::size_t count;
    };
    const Case cases[] = {
        {ReferenceList::RegionalDistrict, 31},   {ReferenceList::Municipality, 162},
        {ReferenceList::CollectionDistrict, 47}, {ReferenceList::Jurisdiction, 70},
        {ReferenceList::CdJurCombination, 70},   {ReferenceList::FolioMask, 70},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.list));
        EXPECT_EQ(drovan::rowCount(c.list), c.count);
        EXPECT_EQ(drovan::rows(c.list).size(), c.count);
    }
}

TEST(ReferenceListsTest, EveryRowIsADigitCodeABlankAndText) {
    for (const auto &info : kLists) {
        SCOPED_TRACE(info.name);
        const std::size_t width = drovan::codeWidth(info.list);
        for (std::string_view row : drovan::rows(info.list)) {
            SCOPED_TRACE(std::string(row));
            ASSERT_GT(row.size(), width + 1);
            const std::string_view code = drovan::codeOfRow(info.list, row);
            EXPECT_EQ(code.size(), width);
            EXPECT_EQ(std::count_if(code.begin(), code.end(), drovan::isDigit),
                      static_cast<std::ptrdiff_t>(width));
            EXPECT_EQ(row[width], ' ');
            EXPECT_NE(row[width + 1], ' ');
            EXPECT_NE(drovan::trimView(row), "");
        }
    }
}

TEST(ReferenceListsTest, CodesAreUniqueWithinEachList) {
    for (const auto &info : kLists) {
        if (info.list == ReferenceList::CdJurCombination)
            continue;
        SCOPED_TRACE(info.name);
        const auto codes = codesOf(info.list);
        const std::set<std::string_view> unique(codes.begin(), codes.end());
        EXPECT_EQ(unique.size(), codes.size());
    }
}

TEST(ReferenceListsTest, JurisdictionsAreUniqueWithinEachCollectionDistrictOfThePairList) {
    std::set<std::string_view> pairs;
    for (std::string_view row : drovan::rows(ReferenceList::CdJurCombination))
        EXPECT_TRUE(pairs.insert(row).second) << row;
}

TEST(ReferenceListsTest, EveryListIsInAscendingOrderOfRowAndOfCode) {
    for (const auto &info : kLists) {
        SCOPED_TRACE(info.name);
        const auto rows = drovan::rows(info.list);
        const auto codes = codesOf(info.list);
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
        EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    }
}

TEST(ReferenceListsTest, JurisdictionAndMaskListsHaveTheSameCodesInTheSameOrder) {
    EXPECT_EQ(codesOf(ReferenceList::Jurisdiction), codesOf(ReferenceList::FolioMask));
}

TEST(ReferenceListsTest, EveryJurisdictionHasOnePairAndEveryCollectionDistrictOneOrMore) {
    std::map<std::string_view, int> pairsOfJurisdiction;
    std::map<std::string_view, int> pairsOfCollectionDistrict;
    for (std::string_view pair : drovan::rows(ReferenceList::CdJurCombination)) {
        ++pairsOfJurisdiction[drovan::jurisdictionOfPairRow(pair)];
        ++pairsOfCollectionDistrict[drovan::codeOfRow(ReferenceList::CdJurCombination, pair)];
    }
    const auto jurisdictions = codesOf(ReferenceList::Jurisdiction);
    for (std::string_view code : jurisdictions)
        EXPECT_EQ(pairsOfJurisdiction[code], 1) << code;
    EXPECT_EQ(pairsOfJurisdiction.size(), jurisdictions.size());

    const auto districts = codesOf(ReferenceList::CollectionDistrict);
    for (std::string_view code : districts)
        EXPECT_GE(pairsOfCollectionDistrict[code], 1) << code;
    EXPECT_EQ(pairsOfCollectionDistrict.size(), districts.size());
}

TEST(ReferenceListsTest, PairRowsAreSixCharacters) {
    for (std::string_view pair : drovan::rows(ReferenceList::CdJurCombination))
        EXPECT_EQ(pair.size(), 6u) << pair;
}

TEST(ReferenceListsTest, MaskCountIsTheNumberOfDigitPositionsOfThePattern) {
    for (std::string_view row : drovan::rows(ReferenceList::FolioMask)) {
        SCOPED_TRACE(std::string(row));
        const std::string_view pattern = drovan::folioPatternOfMaskRow(row);
        const auto positions = std::count(pattern.begin(), pattern.end(), '#');
        EXPECT_EQ(std::string(drovan::charsFromTo(row, 5, 6)),
                  (positions < 10 ? "0" : "") + std::to_string(positions));
        EXPECT_EQ(std::count(pattern.begin(), pattern.end(), '.'), 1);
        EXPECT_EQ(pattern.size(), static_cast<std::size_t>(positions) + 1);
        EXPECT_EQ(row[6], ' ');
    }
}

TEST(ReferenceListsTest, TrailingBlanksAreWhereTheListsHaveThem) {
    const std::set<std::string_view> municipalitiesWithoutBlank = {
        "200", "206", "221", "223", "303", "304", "325",
        "340", "432", "515", "541", "562", "592", "997"};
    int withBlank = 0;
    int withoutBlank = 0;
    for (std::string_view row : drovan::rows(ReferenceList::Municipality)) {
        SCOPED_TRACE(std::string(row));
        const bool endsWithBlank = row.back() == ' ';
        (endsWithBlank ? withBlank : withoutBlank) += 1;
        EXPECT_EQ(endsWithBlank, !municipalitiesWithoutBlank.contains(
                                     drovan::codeOfRow(ReferenceList::Municipality, row)));
        // One trailing blank at most.
        EXPECT_EQ(drovan::trimView(row).size() + (endsWithBlank ? 1 : 0), row.size());
    }
    EXPECT_EQ(withBlank, 148);
    EXPECT_EQ(withoutBlank, 14);

    for (const auto list : {ReferenceList::RegionalDistrict, ReferenceList::Jurisdiction,
                            ReferenceList::CdJurCombination, ReferenceList::FolioMask}) {
        for (std::string_view row : drovan::rows(list))
            EXPECT_EQ(drovan::trimView(row), row);
    }
}

TEST(ReferenceListsTest, CollectionDistrictRowsAreFilledTo43ExceptThree) {
    struct Case {
        const char *code;
        std::size_t length;
    };
    const Case exceptions[] = {{"09", 15}, {"31", 37}, {"47", 8}};
    for (std::string_view row : drovan::rows(ReferenceList::CollectionDistrict)) {
        SCOPED_TRACE(std::string(row));
        const std::string_view code = drovan::codeOfRow(ReferenceList::CollectionDistrict, row);
        std::size_t expected = 43;
        for (const auto &e : exceptions) {
            if (code == e.code)
                expected = e.length;
        }
        EXPECT_EQ(row.size(), expected);
        // Only blanks fill the row: the text itself ends with a letter.
        const std::string_view trimmed = drovan::trimView(row);
        EXPECT_EQ(row.find_first_not_of(' ', trimmed.size()), std::string_view::npos);
    }
    EXPECT_EQ(*drovan::findByCode(ReferenceList::CollectionDistrict, "01"),
              "01 GULF ISLANDS" + std::string(28, ' '));
    EXPECT_EQ(*drovan::findByCode(ReferenceList::CollectionDistrict, "31"),
              "31 STRATHCONA" + std::string(24, ' '));
    EXPECT_EQ(*drovan::findByCode(ReferenceList::CollectionDistrict, "09"), "09 COMOX VALLEY");
    EXPECT_EQ(*drovan::findByCode(ReferenceList::CollectionDistrict, "47"), "47 PEACE");
}

TEST(ReferenceListsTest, EveryJurisdictionCodeBeginsWithSeven) {
    for (std::string_view code : codesOf(ReferenceList::Jurisdiction))
        EXPECT_EQ(code[0], '7') << code;
}

TEST(ReferenceListsTest, RegionalDistrictCodesAreOneTo29Then31And32) {
    std::vector<std::string> expected;
    for (int i = 1; i <= 29; ++i)
        expected.push_back((i < 10 ? "0" : "") + std::to_string(i));
    expected.push_back("31");
    expected.push_back("32");
    const auto codes = codesOf(ReferenceList::RegionalDistrict);
    EXPECT_EQ(std::vector<std::string>(codes.begin(), codes.end()), expected);
}

TEST(ReferenceListsTest, NamesAreUniqueInTheDistrictLists) {
    for (const auto list : {ReferenceList::RegionalDistrict, ReferenceList::Municipality}) {
        SCOPED_TRACE(static_cast<int>(list));
        std::set<std::string_view> names;
        for (std::string_view row : drovan::rows(list))
            EXPECT_TRUE(names.insert(drovan::trimView(drovan::nameOfRow(list, row))).second) << row;
    }
}

TEST(ReferenceListsTest, NamesUseOnlyTheirFewCharacters) {
    const std::string_view allowed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -./'";
    for (const auto &info : kLists) {
        if (info.list == ReferenceList::FolioMask)
            continue;
        SCOPED_TRACE(info.name);
        for (std::string_view row : drovan::rows(info.list))
            EXPECT_EQ(row.find_first_not_of(allowed), std::string_view::npos) << row;
    }
}

TEST(ReferenceListsTest, RowsAreSpotOn) {
    struct Case {
        ReferenceList list;
        const char *code;
        const char *row;
    };
    const Case cases[] = {
        {ReferenceList::RegionalDistrict, "01", "01 ALBERNI-CLAYOQUOT"},
        {ReferenceList::RegionalDistrict, "32", "32 OKANAGAN-KOOTENAY SIR"},
        {ReferenceList::Municipality, "200", "200 VANCOUVER"},
        {ReferenceList::Municipality, "201", "201 CASTLEGAR "},
        {ReferenceList::Municipality, "362", "362 HIGHLANDS361/362/363 "},
        {ReferenceList::Municipality, "333", "333 HUDSON'S HOPE "},
        {ReferenceList::Municipality, "997", "997 PR. RUPERT 227/997"},
        {ReferenceList::Jurisdiction, "701", "701 FERNIE RURAL"},
        {ReferenceList::Jurisdiction, "799", "799 UNIVERSITY ENDOWMENT LANDS"},
        {ReferenceList::FolioMask, "701", "701 08 #####.###"},
        {ReferenceList::FolioMask, "759", "759 09 ######.###"},
        {ReferenceList::FolioMask, "760", "760 09 ######.###"},
        {ReferenceList::FolioMask, "781", "781 09 ######.###"},
        {ReferenceList::CdJurCombination, "01", "01 763"},
        {ReferenceList::CdJurCombination, "47", "47 760"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(drovan::findByCode(c.list, c.code), std::optional<std::string_view>(c.row));
    }
    EXPECT_EQ(drovan::rows(ReferenceList::CdJurCombination).front(), "01 763");
    EXPECT_EQ(drovan::rows(ReferenceList::CdJurCombination).back(), "47 760");
}

TEST(ReferenceListsTest, CodeAndNameAreCutFromTheRowUntrimmed) {
    struct Case {
        ReferenceList list;
        std::string row;
        const char *code;
        std::string name;
    };
    const Case cases[] = {
        {ReferenceList::Municipality, "217 KELOWNA 214/217 ", "217", "KELOWNA 214/217 "},
        {ReferenceList::Municipality, "200 VANCOUVER", "200", "VANCOUVER"},
        {ReferenceList::Municipality, "201 CASTLEGAR ", "201", "CASTLEGAR "},
        {ReferenceList::RegionalDistrict, "03 CAPITAL", "03", "CAPITAL"},
        {ReferenceList::CollectionDistrict, "31 STRATHCONA" + std::string(24, ' '), "31",
         "STRATHCONA" + std::string(24, ' ')},
        {ReferenceList::CdJurCombination, "28 701", "28", "701"},
        {ReferenceList::FolioMask, "701 08 #####.###", "701", "08 #####.###"},
        {ReferenceList::RegionalDistrict, "1", "1", ""},
        {ReferenceList::RegionalDistrict, "03 ", "03", ""},
        {ReferenceList::Municipality, "20", "20", ""},
        {ReferenceList::Municipality, "", "", ""},
        // At most 80 characters of name.
        {ReferenceList::RegionalDistrict, "03 " + std::string(100, 'X'), "03",
         std::string(80, 'X')},
        {ReferenceList::Municipality, "201 " + std::string(79, 'Y') + "ZW", "201",
         std::string(79, 'Y') + "Z"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(drovan::codeOfRow(c.list, c.row), c.code);
        EXPECT_EQ(drovan::nameOfRow(c.list, c.row), c.name);
    }
    EXPECT_EQ(
        drovan::trimView(drovan::nameOfRow(ReferenceList::Municipality, "217 KELOWNA 214/217 ")),
        "KELOWNA 214/217");
}

TEST(ReferenceListsTest, FindsByExactCodeOnly) {
    struct Case {
        ReferenceList list;
        std::string code;
        std::optional<std::string_view> row;
    };
    const Case cases[] = {
        {ReferenceList::RegionalDistrict, "30", std::nullopt},
        {ReferenceList::RegionalDistrict, "31", "31 STRATHCONA"},
        {ReferenceList::RegionalDistrict, " 31", std::nullopt},
        {ReferenceList::RegionalDistrict, "31 ", std::nullopt},
        {ReferenceList::RegionalDistrict, "3", std::nullopt},
        {ReferenceList::RegionalDistrict, "", std::nullopt},
        {ReferenceList::FolioMask, "759", "759 09 ######.###"},
        {ReferenceList::FolioMask, "701", "701 08 #####.###"},
        {ReferenceList::FolioMask, "700", std::nullopt},
        {ReferenceList::FolioMask, "7011", std::nullopt},
        {ReferenceList::Municipality, "201", "201 CASTLEGAR "},
        {ReferenceList::Municipality, "20", std::nullopt},
        {ReferenceList::CdJurCombination, "11", "11 734"},
        {ReferenceList::Jurisdiction, std::string("70\0", 3), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(drovan::findByCode(c.list, c.code), c.row);
    }
}

TEST(ReferenceListsTest, FolioPatternIsCutFromCharacterEightAndTrimmed) {
    struct Case {
        std::string row;
        std::string pattern;
    };
    const Case cases[] = {
        {"701 08 #####.###", "#####.###"},
        {"759 09 ######.###", "######.###"},
        {"701 08", ""},
        {"", ""},
        {"701 08  ##.#  ", "##.#"},
        {"701 08 " + std::string(25, '#'), std::string(20, '#')},
        {"701 08 \t#.#\x01", "#.#"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(drovan::folioPatternOfMaskRow(c.row), c.pattern);
    }
}

TEST(ReferenceListsTest, JurisdictionsOfACollectionDistrictComeInPairOrder) {
    using Rows = std::vector<std::string_view>;
    struct Case {
        std::string text;
        Rows rows;
    };
    const Case cases[] = {
        {"11",
         Rows{"734 LOWER MAINLAND RURAL", "736 LOWER MAINLAND RURAL", "739 LOWER MAINLAND RURAL",
              "743 LOWER MAINLAND RURAL", "744 LOWER MAINLAND RURAL", "745 LOWER MAINLAND RURAL"}},
        {"02 VICTORIA", Rows{"761 VICTORIA RURAL", "762 VICTORIA RURAL"}},
        {std::string(*drovan::findByCode(ReferenceList::CollectionDistrict, "45")),
         Rows{"780 TERRACE RURAL", "788 TERRACE RURAL", "792 TERRACE RURAL"}},
        {"09 COMOX VALLEY", Rows{"746 SECHELT RURAL"}},
        {"31", Rows{"724 KAMLOOPS RURAL", "726 KAMLOOPS RURAL"}},
        {"47 ANYTHING", Rows{"760 FORT ST JOHN RURAL"}},
        {"48", Rows{}},
        {"00", Rows{}},
        {"1", Rows{}},
        {" 11", Rows{}},
        {"", Rows{}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(drovan::jurisdictionsOfCollectionDistrict(c.text), c.rows);
    }
}

TEST(ReferenceListsTest, EveryJurisdictionListedUnderItsCollectionDistrictOnce) {
    std::vector<std::string_view> all;
    for (std::string_view district : drovan::rows(ReferenceList::CollectionDistrict)) {
        for (std::string_view row : drovan::jurisdictionsOfCollectionDistrict(district)) {
            all.push_back(row);
            EXPECT_EQ(drovan::collectionDistrictOfJurisdiction(row),
                      std::optional<std::string_view>(district));
        }
    }
    std::sort(all.begin(), all.end());
    const auto jurisdictions = drovan::rows(ReferenceList::Jurisdiction);
    EXPECT_EQ(all, std::vector<std::string_view>(jurisdictions.begin(), jurisdictions.end()));
}

TEST(ReferenceListsTest, CollectionDistrictOfAJurisdictionIsTheWholeRow) {
    struct Case {
        std::string text;
        std::optional<std::string> row;
    };
    const Case cases[] = {
        {"746", "09 COMOX VALLEY"},
        {"746 SECHELT RURAL", "09 COMOX VALLEY"},
        {"724", "31 STRATHCONA" + std::string(24, ' ')},
        {"760", "47 PEACE"},
        {"701", "28 FERNIE" + std::string(34, ' ')},
        {"700", std::nullopt},
        {"74", std::nullopt},
        {" 746", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto found = drovan::collectionDistrictOfJurisdiction(c.text);
        EXPECT_EQ(found.has_value(), c.row.has_value());
        EXPECT_EQ(std::string(found.value_or("")), c.row.value_or(""));
    }
}

TEST(ReferenceListsTest, LookupsTakeAnyTextWithoutFailing) {
    const std::string inputs[] = {
        std::string(100000, '9'),
        std::string("\x00\x01\x1f\x7f", 4),
        "\xe9\xff\x80\xa0",
        std::string("7\x00"
                    "1",
                    3),
        "\xff\xff\xff ANYTHING",
    };
    for (const auto &text : inputs) {
        SCOPED_TRACE(text.size());
        for (const auto &info : kLists) {
            EXPECT_EQ(drovan::findByCode(info.list, text), std::nullopt);
            EXPECT_EQ(drovan::codeOfRow(info.list, text),
                      text.substr(0, drovan::codeWidth(info.list)));
            EXPECT_LE(drovan::nameOfRow(info.list, text).size(), 80u);
        }
        EXPECT_EQ(drovan::jurisdictionsOfCollectionDistrict(text).size(), 0u);
        EXPECT_EQ(drovan::collectionDistrictOfJurisdiction(text), std::nullopt);
        EXPECT_LE(drovan::folioPatternOfMaskRow(text).size(), 20u);
    }
    // A very long text that begins with a real code still finds its rows.
    EXPECT_EQ(drovan::jurisdictionsOfCollectionDistrict("28" + std::string(100000, '\xff')),
              std::vector<std::string_view>{"701 FERNIE RURAL"});
    EXPECT_EQ(drovan::collectionDistrictOfJurisdiction("746" + std::string(100000, '\x01')),
              std::optional<std::string_view>("09 COMOX VALLEY"));
}

} // namespace
