#include "entry/DistrictChoice.h"

#include "reference/ReferenceLists.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace drovan;

namespace {

constexpr DistrictKind kRd = DistrictKind::RegionalDistrict;
constexpr DistrictKind kMuni = DistrictKind::Municipality;
constexpr ChoiceMode kList = ChoiceMode::List;
constexpr ChoiceMode kManual = ChoiceMode::Manual;

const char *const kUnsetRd = "The Regional District is not selected";
const char *const kUnsetMuni = "The Municipality is not selected";
const char *const kLoading = "The Regional District \\ Municipality is not selected";

// A field the opening leaves alone is null.
std::optional<std::string> field(const char *text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

struct OpeningCase {
    const char *label;
    DistrictKind kind;
    std::string code;
    std::string name;
    bool rowFound;
    ChoiceMode mode;
    std::string listText;
    const char *rdCode;
    const char *rdName;
    const char *muniCode;
    const char *muniName;
};

TEST(DistrictChoiceTest, OpeningFollowsTheHeader) {
    const OpeningCase cases[] = {
        {"initial header", kRd, "00", kUnsetRd, false, kList, "", "00", kUnsetRd, "00", kUnsetMuni},
        {"regional district on the list", kRd, "03", "CAPITAL", true, kList, "03 CAPITAL", "03",
         "CAPITAL", "03", "CAPITAL"},
        {"last regional district row", kRd, "32", "OKANAGAN-KOOTENAY SIR", true, kList,
         "32 OKANAGAN-KOOTENAY SIR", "32", "OKANAGAN-KOOTENAY SIR", "32", "OKANAGAN-KOOTENAY SIR"},
        {"regional district 30 is on no row", kRd, "30", "SOMEWHERE", false, kManual, "", "30",
         "SOMEWHERE", "30", "SOMEWHERE"},
        {"a blank the row does not have", kRd, "03", "CAPITAL ", false, kManual, "", "03",
         "CAPITAL ", "03", "CAPITAL "},
        {"rows compare case-sensitively", kRd, "03", "Capital", false, kManual, "", "03", "Capital",
         "03", "Capital"},
        {"regional district header with the municipality's unset name", kRd, "00", kUnsetMuni,
         false, kManual, "", "00", kUnsetMuni, "00", kUnsetMuni},
        {"regional district after a load that found no district", kRd, "00", kLoading, false,
         kManual, "", "00", kLoading, "00", kLoading},
        {"regional district header holding a municipality row", kRd, "232", "TRAIL ", false,
         kManual, "", "232", "TRAIL ", "232", "TRAIL "},
        {"empty regional district header", kRd, "", "", false, kManual, "", "", "", "", ""},
        {"municipality with the row's trailing blank", kMuni, "201", "CASTLEGAR ", true, kList,
         "201 CASTLEGAR ", nullptr, nullptr, "201", "CASTLEGAR "},
        {"municipality without the row's trailing blank", kMuni, "201", "CASTLEGAR", false, kManual,
         "", nullptr, nullptr, "201", "CASTLEGAR"},
        {"municipality row without a trailing blank", kMuni, "200", "VANCOUVER", true, kList,
         "200 VANCOUVER", nullptr, nullptr, "200", "VANCOUVER"},
        {"unset municipality header", kMuni, "00", kUnsetMuni, false, kList, "", nullptr, kUnsetRd,
         "00", kUnsetMuni},
        {"municipality header with the regional district's unset name", kMuni, "00", kUnsetRd,
         false, kManual, "", nullptr, nullptr, "00", kUnsetRd},
        {"municipality after a load that found no district", kMuni, "00", kLoading, false, kManual,
         "", nullptr, nullptr, "00", kLoading},
        {"municipality header holding a regional district row", kMuni, "03", "CAPITAL", false,
         kManual, "", nullptr, nullptr, "03", "CAPITAL"},
    };
    for (const OpeningCase &c : cases) {
        SCOPED_TRACE(c.label);
        const DistrictOpening opening = openDistrictChoice(c.kind, c.code, c.name);
        EXPECT_EQ(opening.kind, c.kind);
        EXPECT_EQ(opening.rowFound, c.rowFound);
        EXPECT_EQ(opening.mode, c.mode);
        EXPECT_EQ(opening.overrideChecked(), c.mode == kManual);
        EXPECT_EQ(opening.listText, c.listText);
        EXPECT_EQ(opening.regionalDistrictCode, field(c.rdCode));
        EXPECT_EQ(opening.regionalDistrictName, field(c.rdName));
        EXPECT_EQ(opening.municipalityCode, field(c.muniCode));
        EXPECT_EQ(opening.municipalityName, field(c.muniName));
    }
}

TEST(DistrictChoiceTest, OpeningTakesTheKindFromTheCodeCaption) {
    struct CaptionCase {
        const char *caption;
        DistrictKind kind;
    };
    const CaptionCase cases[] = {
        {"Regional District Code:", kRd},
        {"Municipality Code:", kMuni},
        {"Regional District Code: ", kMuni},
        {"", kMuni},
    };
    for (const CaptionCase &c : cases) {
        SCOPED_TRACE(c.caption);
        CollectionHeader header;
        header.codeCaption = c.caption;
        header.code = "232";
        header.name = "TRAIL ";
        const DistrictOpening opening = openDistrictChoice(header);
        EXPECT_EQ(opening, openDistrictChoice(c.kind, "232", "TRAIL "));
        EXPECT_EQ(opening.kind, c.kind);
    }
}

struct SplitCase {
    const char *label;
    DistrictKind kind;
    std::string text;
    std::string code;
    std::string name;
};

TEST(DistrictChoiceTest, ListTextFillsTheFieldsUntrimmed) {
    const std::string eightyThree = "03 " + std::string(80, 'N');
    const std::string ninety = "03 " + std::string(80, 'N') + "XXXXXXX";
    const std::string muniLong = "201 " + std::string(80, 'M') + "ZZ";
    const SplitCase cases[] = {
        {"regional district row", kRd, "03 CAPITAL", "03", "CAPITAL"},
        {"muni row with its trailing blank", kMuni, "201 CASTLEGAR ", "201", "CASTLEGAR "},
        {"muni row without a trailing blank", kMuni, "200 VANCOUVER", "200", "VANCOUVER"},
        {"name with further codes", kMuni, "217 KELOWNA 214/217 ", "217", "KELOWNA 214/217 "},
        {"a single typed character", kRd, "1", "1", ""},
        {"a single typed character, municipality", kMuni, "1", "1", ""},
        {"empty text", kRd, "", "", ""},
        {"code alone", kRd, "03", "03", ""},
        {"code and its blank", kRd, "03 ", "03", ""},
        {"no blank after the code", kRd, "03X", "03", ""},
        {"no blank after the code, longer", kRd, "03XYZ", "03", "YZ"},
        {"leading blank typed", kRd, " 03 CAPITAL", " 0", " CAPITAL"},
        {"blanks kept on both sides", kMuni, "232  TRAIL  ", "232", " TRAIL  "},
        {"a regional district row in the municipality group", kMuni, "03 CAPITAL", "03 ", "APITAL"},
        {"83 characters", kRd, eightyThree, "03", std::string(80, 'N')},
        {"beyond 83 characters", kRd, ninety, "03", std::string(80, 'N')},
        {"beyond 84 characters, municipality", kMuni, muniLong, "201", std::string(80, 'M')},
    };
    for (const SplitCase &c : cases) {
        SCOPED_TRACE(c.label);
        const CodeAndName split = splitListText(c.kind, c.text);
        EXPECT_EQ(split.code, c.code);
        EXPECT_EQ(split.name, c.name);
    }
}

struct RuleCase {
    const char *label;
    DistrictKind kind;
    ChoiceMode mode;
    std::string listText;
    std::string code;
    std::string name;
    bool enabled;
};

TEST(DistrictChoiceTest, OkRuleDependsOnTheMode) {
    const RuleCase cases[] = {
        {"manual with code and name", kRd, kManual, "", "30", "SOMEWHERE", true},
        {"manual ignores the list text", kRd, kManual, "03 CAPITAL", "", "CAPITAL", false},
        {"manual with an empty name", kMuni, kManual, "", "999", "", false},
        {"manual with both empty", kMuni, kManual, "", "", "", false},
        {"manual with blanks only until they are trimmed", kRd, kManual, "", "  ", " ", true},
        {"manual accepts any text", kMuni, kManual, "", "x", "\x01", true},
        {"list row", kRd, kList, "03 CAPITAL", "", "", true},
        {"list row ignores the fields", kRd, kList, "03 CAPITAL", "30", "OTHER", true},
        {"list row with a trailing blank", kMuni, kList, "201 CASTLEGAR ", "201", "CASTLEGAR ",
         true},
        {"list row typed without its trailing blank", kMuni, kList, "201 CASTLEGAR", "201",
         "CASTLEGAR", false},
        {"list row with a blank it does not have", kRd, kList, "03 CAPITAL ", "03", "CAPITAL ",
         false},
        {"list row in lower case", kRd, kList, "03 capital", "03", "capital", false},
        {"list row with a leading blank", kRd, kList, " 03 CAPITAL", " 0", " CAPITAL", false},
        {"empty list text", kRd, kList, "", "00", kUnsetRd, false},
        {"a row of the other list", kRd, kList, "232 TRAIL ", "23", " TRAIL ", false},
        {"a regional district row in the municipality list", kMuni, kList, "03 CAPITAL", "03 ",
         "APITAL", false},
        {"a partial row", kRd, kList, "03 CAP", "03", "CAP", false},
    };
    for (const RuleCase &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(canConfirmDistrict(c.kind, c.mode, c.listText, c.code, c.name), c.enabled);
    }
}

TEST(DistrictChoiceTest, EveryPickedRowReopensInListMode) {
    // Picking a row, confirming it and opening again must find the same row, trailing blank and
    // all; a row changed by one blank is no row.
    for (DistrictKind kind : {kRd, kMuni}) {
        const ReferenceList list =
            kind == kRd ? ReferenceList::RegionalDistrict : ReferenceList::Municipality;
        for (std::string_view row : rows(list)) {
            SCOPED_TRACE(std::string(row));
            const std::string text(row);
            EXPECT_EQ(canConfirmDistrict(kind, kList, text, "", ""), true);
            EXPECT_EQ(isDistrictRow(kind, text + " "), false);
            EXPECT_EQ(isDistrictRow(kind, text.substr(0, text.size() - 1)), false);
            const CodeAndName picked = splitListText(kind, text);
            const DistrictOpening opening = openDistrictChoice(kind, picked.code, picked.name);
            EXPECT_EQ(opening.rowFound, true);
            EXPECT_EQ(opening.mode, kList);
            EXPECT_EQ(opening.listText, text);
        }
    }
}

struct ConfirmCase {
    const char *label;
    DistrictKind headerKind;
    std::string headerCode;
    std::string headerName;
    DistrictKind kind;
    std::string code;
    std::string name;
    bool marksUnsaved;
};

TEST(DistrictChoiceTest, OkWritesTheFieldsAndMarksOnlyAChange) {
    const ConfirmCase cases[] = {
        {"same district", kRd, "03", "CAPITAL", kRd, "03", "CAPITAL", false},
        {"kind alone switched", kRd, "03", "CAPITAL", kMuni, "03", "CAPITAL", false},
        {"kind alone switched back", kMuni, "232", "TRAIL ", kRd, "232", "TRAIL ", false},
        {"other code", kRd, "03", "CAPITAL", kRd, "10", "CAPITAL", true},
        {"other name", kRd, "03", "CAPITAL", kRd, "03", "COWICHAN VALLEY", true},
        {"a trailing blank added", kMuni, "201", "CASTLEGAR", kMuni, "201", "CASTLEGAR ", true},
        {"from the initial header", kRd, "00", kUnsetRd, kMuni, "232", "TRAIL ", true},
        {"the load sentinel written back", kRd, "00", kLoading, kRd, "00", kLoading, false},
        {"empty fields over a district", kRd, "03", "CAPITAL", kRd, "", "", true},
    };
    for (const ConfirmCase &c : cases) {
        SCOPED_TRACE(c.label);
        CollectionHeader header;
        header.codeCaption = std::string(codeCaptionOf(c.headerKind));
        header.nameCaption = std::string(nameCaptionOf(c.headerKind));
        header.code = c.headerCode;
        header.name = c.headerName;
        const DistrictConfirmation confirmation = confirmDistrict(header, c.kind, c.code, c.name);
        EXPECT_EQ(confirmation.kind, c.kind);
        EXPECT_EQ(confirmation.code, c.code);
        EXPECT_EQ(confirmation.name, c.name);
        EXPECT_EQ(confirmation.marksUnsaved, c.marksUnsaved);
    }
}

TEST(DistrictChoiceTest, ApplySetsKindCodeAndNameTogether) {
    struct ApplyCase {
        const char *label;
        bool unsavedBefore;
        DistrictConfirmation confirmation;
        const char *codeCaption;
        const char *nameCaption;
        bool unsavedAfter;
    };
    const ApplyCase cases[] = {
        {"a municipality chosen",
         false,
         {kMuni, "232", "TRAIL ", true},
         "Municipality Code:",
         "Municipality Name:",
         true},
        {"the kind alone",
         false,
         {kMuni, "00", kUnsetRd, false},
         "Municipality Code:",
         "Municipality Name:",
         false},
        {"no change keeps an earlier mark",
         true,
         {kRd, "00", kUnsetRd, false},
         "Regional District Code:",
         "Regional District Name:",
         true},
    };
    for (const ApplyCase &c : cases) {
        SCOPED_TRACE(c.label);
        CollectionDocument document;
        if (c.unsavedBefore)
            document.markUnsaved();
        apply(document, c.confirmation);
        EXPECT_EQ(document.header().codeCaption, c.codeCaption);
        EXPECT_EQ(document.header().nameCaption, c.nameCaption);
        EXPECT_EQ(document.header().code, c.confirmation.code);
        EXPECT_EQ(document.header().name, c.confirmation.name);
        EXPECT_EQ(document.header().kind(), c.confirmation.kind);
        EXPECT_EQ(document.hasUnsavedChanges(), c.unsavedAfter);
    }
}

} // namespace
