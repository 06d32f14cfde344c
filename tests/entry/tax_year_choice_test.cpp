#include "entry/TaxYearChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace drovan;

namespace {

using Years = std::vector<std::string>;

std::string noteFor(const char *year, const char *previous) {
    return std::string("For example if today's date was January 15th, ") + year +
           ", you are then submitting utility debt entries that were due and payable on or "
           "before the 31st day of December " +
           previous + ", and which remain unpaid on the 31st day of December " + previous +
           ". Then tax year would be " + previous;
}

struct DayCase {
    const char *label;
    Date today;
    Years offered;
    const char *year;
    const char *previous;
};

TEST(TaxYearChoiceTest, OffersThreeYearsAndExplainsWithTheYearBefore) {
    const DayCase cases[] = {
        {"mid 2011", {2011, 6, 15}, {"2010", "2011", "2012"}, "2011", "2010"},
        {"1 January 2011", {2011, 1, 1}, {"2010", "2011", "2012"}, "2011", "2010"},
        {"31 December 2010", {2010, 12, 31}, {"2009", "2010", "2011"}, "2010", "2009"},
        {"31 December 2011", {2011, 12, 31}, {"2010", "2011", "2012"}, "2011", "2010"},
        {"1 January 2012", {2012, 1, 1}, {"2011", "2012", "2013"}, "2012", "2011"},
        {"into five digits", {9999, 7, 1}, {"9998", "9999", "10000"}, "9999", "9998"},
    };
    for (const DayCase &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(offeredTaxYears(c.today), c.offered);
        EXPECT_EQ(taxYearNote(c.today), noteFor(c.year, c.previous));
    }
}

TEST(TaxYearChoiceTest, NoteFor2011ReadsAsWrittenWithoutAFullStop) {
    const std::string note = taxYearNote(Date{2011, 9, 30});
    EXPECT_EQ(note, "For example if today's date was January 15th, 2011, you are then submitting "
                    "utility debt entries that were due and payable on or before the 31st day of "
                    "December 2010, and which remain unpaid on the 31st day of December 2010. "
                    "Then tax year would be 2010");
    EXPECT_EQ(note.back(), '0');
}

struct OpeningCase {
    const char *label;
    std::string headerTaxYear;
    Date today;
    std::string shown;
};

TEST(TaxYearChoiceTest, OpeningShowsTheHeadersYearOrTheDefault) {
    const OpeningCase cases[] = {
        {"an offered year", "2010", {2011, 6, 15}, "2010"},
        {"a year not offered", "2005", {2011, 6, 15}, "2005"},
        {"anything that is not CCYY", "ccyy", {2011, 6, 15}, "ccyy"},
        {"blanks around a year", " 2011 ", {2011, 6, 15}, " 2011 "},
        {"empty", "", {2011, 6, 15}, ""},
        {"no year yet, before April", "CCYY", {2011, 3, 31}, "2010"},
        {"no year yet, from April", "CCYY", {2011, 4, 1}, "2011"},
        {"no year yet, 1 January", "CCYY", {2011, 1, 1}, "2010"},
        {"no year yet, 31 December", "CCYY", {2011, 12, 31}, "2011"},
    };
    for (const OpeningCase &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(taxYearAtOpening(c.headerTaxYear, c.today), c.shown);
    }
}

TEST(TaxYearChoiceTest, OkRuleWantsAnOfferedRowExactly) {
    const Years rows = offeredTaxYears(Date{2011, 6, 15});
    struct RuleCase {
        const char *text;
        bool enabled;
    };
    const RuleCase cases[] = {
        {"2010", true},  {"2011", true},   {"2012", true},   {"2009", false},
        {"2013", false}, {" 2011", false}, {"2011 ", false}, {"02011", false},
        {"", false},     {"CCYY", false},  {"201", false},   {"2011\t", false},
    };
    for (const RuleCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(canConfirmTaxYear(c.text, rows), c.enabled);
    }
    EXPECT_EQ(canConfirmTaxYear("2011", {}), false);
}

TEST(TaxYearChoiceTest, OkWritesAndMarksOnlyAChangedYear) {
    struct ConfirmCase {
        const char *label;
        const char *headerTaxYear;
        const char *chosen;
        bool changed;
        bool unsavedBefore;
        const char *taxYearAfter;
        bool unsavedAfter;
    };
    const ConfirmCase cases[] = {
        {"a loaded year replaced", "2005", "2011", true, false, "2011", true},
        {"no year yet replaced", "CCYY", "2010", true, false, "2010", true},
        {"a blank typed around the year", "2010", " 2010", true, false, " 2010", true},
        {"the same year", "2010", "2010", false, false, "2010", false},
        {"the same year keeps an earlier mark", "2010", "2010", false, true, "2010", true},
    };
    for (const ConfirmCase &c : cases) {
        SCOPED_TRACE(c.label);
        const TaxYearConfirmation confirmation = confirmTaxYear(c.headerTaxYear, c.chosen);
        EXPECT_EQ(confirmation.changed, c.changed);
        EXPECT_EQ(confirmation.taxYear, c.chosen);

        CollectionDocument document;
        document.setTaxYear(c.headerTaxYear);
        if (c.unsavedBefore)
            document.markUnsaved();
        apply(document, confirmation);
        EXPECT_EQ(document.header().taxYear, c.taxYearAfter);
        EXPECT_EQ(document.hasUnsavedChanges(), c.unsavedAfter);
    }
}

} // namespace
