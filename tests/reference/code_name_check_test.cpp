#include "reference/CodeNameCheck.h"

#include "document/Text.h"
#include "reference/ReferenceLists.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using drovan::CodeNameCase;
using drovan::DistrictKind;
using drovan::LabelColour;
using drovan::LabelLook;
using drovan::ReferenceList;

namespace {

constexpr DistrictKind kRd = DistrictKind::RegionalDistrict;
constexpr DistrictKind kMuni = DistrictKind::Municipality;

const char *const kRdA =
    "ERROR: The Regional District Code does NOT match with the Regional District Name!";
const char *const kRdB =
    "ERROR: The Regional District Name does NOT match with the Regional District Code!";
const char *const kRdC = "CAUTION: The Regional Name does NOT match the Code!";
const char *const kRdD = "ERROR: The Regional Code does NOT match the Regional Name!";
const char *const kRdE = "Please Select the Regional District";
const char *const kRdF = "Note: This Regional District is not on the valid list. If this is a new "
                         "Regional District this may be OK. Please verify that the Regional "
                         "District is OK.";
const char *const kMuA = "ERROR: The Municipality Code does NOT match with the Municipality Name!";
const char *const kMuB = "ERROR: The Municipality Name does NOT match with the Municipality Code!";
const char *const kMuC = "CAUTION: The Municipal Name does NOT match the Code!";
const char *const kMuD = "ERROR: The Municipal Code does NOT match the Municipal Name!";
const char *const kMuE = "Please Select the Municipality";
const char *const kMuF = "Note: This Municipality is not on the valid list. If this is a new "
                         "Municipality this may be OK. Please verify that the Municipality is OK.";

// A label as expected: its colour and the hint it shows, or none.
struct Look {
    LabelColour colour;
    const char *hint;
};

constexpr Look kNormal{LabelColour::Normal, nullptr};

LabelLook lookOf(const Look &look) {
    return {look.colour, look.hint ? look.hint : "", look.hint != nullptr};
}

Look red(const char *hint) {
    return {LabelColour::Red, hint};
}
Look yellow(const char *hint) {
    return {LabelColour::Yellow, hint};
}

struct CheckCase {
    const char *label;
    DistrictKind kind;
    std::string code;
    std::string name;
    CodeNameCase outcome;
    Look codeTextLabel;
    Look codeLabel;
    Look nameTextLabel;
    Look nameLabel;
};

void expectVerdict(const CheckCase &c, const drovan::CodeNameVerdict &verdict) {
    EXPECT_EQ(verdict.outcome, c.outcome);
    EXPECT_EQ(verdict.codeText, lookOf(c.codeTextLabel));
    EXPECT_EQ(verdict.code, lookOf(c.codeLabel));
    EXPECT_EQ(verdict.nameText, lookOf(c.nameTextLabel));
    EXPECT_EQ(verdict.name, lookOf(c.nameLabel));
}

} // namespace

namespace drovan {
// Found by argument-dependent lookup, so that a failure prints the look rather than its bytes.
void PrintTo(const LabelLook &look, std::ostream *os) {
    *os << "{colour " << static_cast<int>(look.colour) << ", hint \"" << look.hint << "\", "
        << (look.showHint ? "shown" : "hidden") << "}";
}
} // namespace drovan

namespace {

TEST(CodeNameCheckTest, SetsEveryLabelByItsCase) {
    const Look none{LabelColour::Red, nullptr};
    const CheckCase cases[] = {
        {"consistent regional district", kRd, "03", "CAPITAL", CodeNameCase::Consistent, kNormal,
         kNormal, kNormal, kNormal},
        {"consistent municipality", kMuni, "232", "TRAIL", CodeNameCase::Consistent, kNormal,
         kNormal, kNormal, kNormal},
        {"CASTLEGAR with the row's blank", kMuni, "201", "CASTLEGAR ", CodeNameCase::Consistent,
         kNormal, kNormal, kNormal, kNormal},
        {"CASTLEGAR without the row's blank", kMuni, "201", "CASTLEGAR", CodeNameCase::Consistent,
         kNormal, kNormal, kNormal, kNormal},
        {"blanks and controls around both", kRd, " \t03\r\n", "\x01 CAPITAL \x1f",
         CodeNameCase::Consistent, kNormal, kNormal, kNormal, kNormal},
        {"name with further codes", kMuni, "217", "KELOWNA 214/217 ", CodeNameCase::Consistent,
         kNormal, kNormal, kNormal, kNormal},
        {"regional district mismatch", kRd, "03", "COWICHAN VALLEY", CodeNameCase::Mismatch,
         red(kRdA), red(kRdA), red(kRdB), red(kRdB)},
        {"municipality mismatch", kMuni, "201", "TRAIL", CodeNameCase::Mismatch, red(kMuA),
         red(kMuA), red(kMuB), red(kMuB)},
        {"regional district name not on the list", kRd, "03", "CAPITOL",
         CodeNameCase::NameNotOnList, kNormal, kNormal, yellow(kRdC), yellow(kRdC)},
        {"regional district empty name", kRd, "03", "", CodeNameCase::NameNotOnList, kNormal,
         kNormal, yellow(kRdC), yellow(kRdC)},
        {"name compared case-sensitively", kRd, "03", "Capital", CodeNameCase::NameNotOnList,
         kNormal, kNormal, yellow(kRdC), yellow(kRdC)},
        {"KELOWNA alone is no row name", kMuni, "217", "KELOWNA", CodeNameCase::NameNotOnList,
         kNormal, kNormal, yellow(kMuC), yellow(kMuC)},
        {"municipality name not on the list", kMuni, "201", "NOWHERE", CodeNameCase::NameNotOnList,
         kNormal, kNormal, yellow(kMuC), yellow(kMuC)},
        {"regional district 30", kRd, "30", "CAPITAL", CodeNameCase::CodeNotOnList, red(kRdD),
         red(kRdD), kNormal, kNormal},
        {"regional district empty code", kRd, "", "CAPITAL", CodeNameCase::CodeNotOnList, red(kRdD),
         red(kRdD), kNormal, kNormal},
        {"municipality code not on the list", kMuni, "999", "TRAIL", CodeNameCase::CodeNotOnList,
         red(kMuD), red(kMuD), kNormal, kNormal},
        {"municipality code with leading zero dropped", kMuni, "01", "CASTLEGAR",
         CodeNameCase::CodeNotOnList, red(kMuD), red(kMuD), kNormal, kNormal},
        {"regional district both empty", kRd, "", "", CodeNameCase::NeitherOnList, none, red(kRdE),
         none, red(kRdE)},
        {"municipality both blank", kMuni, "  ", "\t", CodeNameCase::NeitherOnList, none, red(kMuE),
         none, red(kMuE)},
        {"regional district both unknown", kRd, "99", "NOWHERE", CodeNameCase::NeitherOnList,
         yellow(kRdF), yellow(kRdF), yellow(kRdF), yellow(kRdF)},
        {"municipality both unknown", kMuni, "998", "NOWHERE", CodeNameCase::NeitherOnList,
         yellow(kMuF), yellow(kMuF), yellow(kMuF), yellow(kMuF)},
        {"unknown code, empty name", kRd, "99", "", CodeNameCase::NeitherOnList, yellow(kRdF),
         yellow(kRdF), none, red(kRdE)},
        {"empty code, unknown name", kMuni, "", "NOWHERE", CodeNameCase::NeitherOnList, none,
         red(kMuE), yellow(kMuF), yellow(kMuF)},
        {"initial header", kRd, "00", "The Regional District is not selected",
         CodeNameCase::NeitherOnList, yellow(kRdF), yellow(kRdF), yellow(kRdF), yellow(kRdF)},
        {"header of a failed load, regional district", kRd, "00",
         "The Regional District \\ Municipality is not selected", CodeNameCase::NeitherOnList,
         yellow(kRdF), yellow(kRdF), yellow(kRdF), yellow(kRdF)},
        {"header of a failed load, municipality", kMuni, "00",
         "The Regional District \\ Municipality is not selected", CodeNameCase::NeitherOnList,
         yellow(kMuF), yellow(kMuF), yellow(kMuF), yellow(kMuF)},
        {"municipality holding a regional district code", kMuni, "03", "CAPITAL",
         CodeNameCase::NeitherOnList, yellow(kMuF), yellow(kMuF), yellow(kMuF), yellow(kMuF)},
        {"regional district holding a municipality", kRd, "201", "CASTLEGAR",
         CodeNameCase::NeitherOnList, yellow(kRdF), yellow(kRdF), yellow(kRdF), yellow(kRdF)},
        {"name shared by both lists", kMuni, "330", "POWELL RIVER", CodeNameCase::Consistent,
         kNormal, kNormal, kNormal, kNormal},
        {"name of the other list's row", kRd, "23", "POWELL RIVER", CodeNameCase::Consistent,
         kNormal, kNormal, kNormal, kNormal},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        expectVerdict(c, drovan::checkCodeAndName(c.kind, c.code, c.name));
    }
}

TEST(CodeNameCheckTest, ReadsTheKindCodeAndNameOfAHeader) {
    struct HeaderCase {
        const char *label;
        std::string codeCaption;
        std::string code;
        std::string name;
        CodeNameCase outcome;
        const char *codeHint;
    };
    const HeaderCase cases[] = {
        {"regional district caption", "Regional District Code:", "03", "CAPITAL",
         CodeNameCase::Consistent, ""},
        {"municipality caption", "Municipality Code:", "03", "CAPITAL", CodeNameCase::NeitherOnList,
         kMuF},
        {"any other caption is a municipality", "Something else", "201", "CASTLEGAR ",
         CodeNameCase::Consistent, ""},
        {"municipality code under a municipality caption", "Municipality Code:", "201", "TRAIL",
         CodeNameCase::Mismatch, kMuA},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        drovan::CollectionHeader header;
        header.codeCaption = c.codeCaption;
        header.code = c.code;
        header.name = c.name;
        const auto verdict = drovan::checkCodeAndName(header);
        EXPECT_EQ(verdict.outcome, c.outcome);
        EXPECT_EQ(verdict.code.hint, c.codeHint);
    }
    // A fresh header is the unset regional district.
    const auto initial = drovan::checkCodeAndName(drovan::CollectionHeader{});
    EXPECT_EQ(initial.outcome, CodeNameCase::NeitherOnList);
    EXPECT_EQ(initial.name.hint, kRdF);
}

TEST(CodeNameCheckTest, EveryRowIsConsistentWithItselfAndMismatchesItsNeighbour) {
    struct ListCase {
        DistrictKind kind;
        ReferenceList list;
    };
    const ListCase lists[] = {{kRd, ReferenceList::RegionalDistrict},
                              {kMuni, ReferenceList::Municipality}};
    for (const auto &l : lists) {
        const auto rows = drovan::rows(l.list);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(std::string(rows[i]));
            const std::string_view code = drovan::codeOfRow(l.list, rows[i]);
            const std::string_view name = drovan::nameOfRow(l.list, rows[i]);
            EXPECT_EQ(drovan::checkCodeAndName(l.kind, code, name).outcome,
                      CodeNameCase::Consistent);
            EXPECT_EQ(drovan::checkCodeAndName(l.kind, code, drovan::trimView(name)).outcome,
                      CodeNameCase::Consistent);
            const std::string_view otherName =
                drovan::nameOfRow(l.list, rows[(i + 1) % rows.size()]);
            EXPECT_EQ(drovan::checkCodeAndName(l.kind, code, otherName).outcome,
                      CodeNameCase::Mismatch);
        }
    }
}

TEST(CodeNameCheckTest, NormalLooksAreSkyBlueAndProblemsRedOrYellow) {
    struct ColourCase {
        LabelColour colour;
        drovan::Rgb rgb;
    };
    const ColourCase cases[] = {
        {LabelColour::Normal, {166, 202, 240}},
        {LabelColour::Red, {255, 0, 0}},
        {LabelColour::Yellow, {255, 255, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.colour));
        const drovan::Rgb rgb = drovan::rgbOf(c.colour);
        EXPECT_EQ(rgb.red, c.rgb.red);
        EXPECT_EQ(rgb.green, c.rgb.green);
        EXPECT_EQ(rgb.blue, c.rgb.blue);
    }
}

TEST(CodeNameCheckTest, AnyTextFallsIntoOneCase) {
    const std::string longText(100000, 'A');
    const std::string controls("\x00\x01\x1b\x1f", 4);
    const std::string high("\x80\xc9\xff", 3);
    const Look none{LabelColour::Red, nullptr};
    const CheckCase cases[] = {
        {"very long code and name", kRd, longText, longText, CodeNameCase::NeitherOnList,
         yellow(kRdF), yellow(kRdF), yellow(kRdF), yellow(kRdF)},
        {"very long name after a real code", kMuni, "201", longText, CodeNameCase::NameNotOnList,
         kNormal, kNormal, yellow(kMuC), yellow(kMuC)},
        {"control characters only", kMuni, controls, controls, CodeNameCase::NeitherOnList, none,
         red(kMuE), none, red(kMuE)},
        {"bytes above 127", kRd, high, high, CodeNameCase::NeitherOnList, yellow(kRdF),
         yellow(kRdF), yellow(kRdF), yellow(kRdF)},
        {"DEL is not trimmed", kRd, "03\x7f", "CAPITAL", CodeNameCase::CodeNotOnList, red(kRdD),
         red(kRdD), kNormal, kNormal},
        {"inner control character", kRd, "03", std::string("CAP\0ITAL", 8),
         CodeNameCase::NameNotOnList, kNormal, kNormal, yellow(kRdC), yellow(kRdC)},
        {"control characters around real values", kMuni, controls + "201" + controls,
         controls + "CASTLEGAR" + controls, CodeNameCase::Consistent, kNormal, kNormal, kNormal,
         kNormal},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        expectVerdict(c, drovan::checkCodeAndName(c.kind, c.code, c.name));
    }
}

} // namespace
