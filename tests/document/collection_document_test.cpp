#include "document/CollectionDocument.h"
#include "document/Windows1252.h"

#include <gtest/gtest.h>

#include <vector>

using namespace drovan;

namespace {

ChargeRecord charge(const char *folio, const char *amount) {
    return ChargeRecord{"701",         folio, "SMITH",  *Currency::parse(amount),
                        "BIN GARBAGE", "BIN", "Garbage"};
}

TEST(CollectionDocumentTest, StartsWithTheSentinels) {
    CollectionDocument doc;
    EXPECT_EQ(doc.header().codeCaption, "Regional District Code:");
    EXPECT_EQ(doc.header().nameCaption, "Regional District Name:");
    EXPECT_EQ(doc.header().code, "00");
    EXPECT_EQ(doc.header().name, "The Regional District is not selected");
    EXPECT_EQ(doc.header().taxYear, "CCYY");
    EXPECT_EQ(doc.header().kind(), DistrictKind::RegionalDistrict);
    EXPECT_FALSE(doc.header().hasDistrict());
    EXPECT_EQ(doc.statusText(), "Selection of charge file");
    EXPECT_EQ(doc.workingFile(), "Selection of Collection File");
    EXPECT_FALSE(doc.hasUnsavedChanges());
    EXPECT_EQ(doc.total().toDisplay(".", ","), "0.00");
    EXPECT_TRUE(doc.charges().isEmpty());
}

TEST(CollectionDocumentTest, KindIsTheCodeCaption) {
    CollectionDocument doc;
    doc.setDistrictFromCaption("Municipality Code:", "201", "CASTLEGAR ");
    EXPECT_EQ(doc.header().kind(), DistrictKind::Municipality);
    EXPECT_EQ(doc.header().nameCaption, "Municipality Name:");
    // Anything but the Regional District caption counts as a Municipality.
    doc.setDistrictFromCaption("regional district code:", "07", "X");
    EXPECT_EQ(doc.header().kind(), DistrictKind::Municipality);
    EXPECT_EQ(doc.header().nameCaption, "Municipality Name:");
    doc.setDistrictFromCaption("", "07", "X");
    EXPECT_EQ(doc.header().kind(), DistrictKind::Municipality);
    doc.setDistrict(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN");
    EXPECT_EQ(doc.header().codeCaption, "Regional District Code:");
    EXPECT_EQ(doc.header().nameCaption, "Regional District Name:");
    EXPECT_TRUE(doc.header().hasDistrict());
}

TEST(CollectionDocumentTest, ResetForLoadingKeepsTheKindAndSetsTheDefaultYear) {
    CollectionDocument doc;
    doc.setDistrict(DistrictKind::Municipality, "201", "CASTLEGAR ");
    doc.resetHeaderForLoading(Date{2011, 3, 31});
    EXPECT_EQ(doc.header().kind(), DistrictKind::Municipality);
    EXPECT_EQ(doc.header().code, "00");
    EXPECT_EQ(doc.header().name, "The Regional District \\ Municipality is not selected");
    EXPECT_EQ(doc.header().taxYear, "2010");
}

TEST(DefaultTaxYearTest, AprilStartsTheNewYear) {
    EXPECT_EQ(defaultTaxYear(Date{2011, 1, 1}), "2010");
    EXPECT_EQ(defaultTaxYear(Date{2011, 3, 31}), "2010");
    EXPECT_EQ(defaultTaxYear(Date{2011, 4, 1}), "2011");
    EXPECT_EQ(defaultTaxYear(Date{2011, 12, 31}), "2011");
}

TEST(CollectionDocumentTest, TotalFollowsAppendsAndDeletesExactly) {
    CollectionDocument doc;
    for (const char *amount : {"0.10", "0.20", "1234.5"}) {
        doc.appendCharge(charge("12345.678", amount));
        doc.addToTotal(*Currency::parse(amount));
    }
    EXPECT_EQ(doc.total().toDisplay(".", ","), "1,234.80");
    EXPECT_EQ(doc.charges().currentRow(), 2u);

    doc.setCurrentRow(0);
    while (!doc.charges().isEmpty()) {
        doc.subtractFromTotal(doc.charges().amount(*doc.charges().currentRow()));
        doc.deleteCurrentCharge();
    }
    EXPECT_TRUE(doc.total().isZero());
    EXPECT_EQ(doc.total().toDisplay(".", ","), "0.00");
    EXPECT_FALSE(doc.charges().currentRow().has_value());
}

TEST(ChargeTableTest, DeleteMovesToTheFollowingRowOrTheNewLast) {
    ChargeTable table;
    for (const char *folio : {"a", "b", "c"})
        table.append(charge(folio, "1"));
    table.setCurrentRow(1);
    table.deleteCurrent();
    EXPECT_EQ(table.currentRow(), 1u);
    EXPECT_EQ(table.folioNumber(1), "c");
    table.deleteCurrent();
    EXPECT_EQ(table.currentRow(), 0u);
    EXPECT_EQ(table.folioNumber(0), "a");
    table.setCurrentRow(5); // out of range: ignored
    EXPECT_EQ(table.currentRow(), 0u);
}

TEST(ChargeTableTest, CutsValuesToTheirWidths) {
    ChargeTable table;
    const std::string longText(300, 'X');
    table.append(ChargeRecord{"7012", longText, longText, Currency{}, longText, longText,
                              "Garbage and more"});
    const ChargeRecord stored = table.row(0);
    EXPECT_EQ(stored.Jurisdiction, "701");
    EXPECT_EQ(stored.Folio_Number.size(), 20u);
    EXPECT_EQ(stored.Name.size(), 50u);
    EXPECT_EQ(stored.Explanation.size(), 50u);
    EXPECT_EQ(stored.Explanation_Note.size(), 50u);
    EXPECT_EQ(stored.Explanation_Button, "Garbage an");

    const ChargeRecord change{"702", "1.000", "DOE", *Currency::parse("2"), "WATER", "", "Water"};
    table.replaceCurrent(change);
    EXPECT_EQ(table.row(0), change);
}

TEST(CollectionDocumentTest, NotifiesEveryKindOfChange) {
    CollectionDocument doc;
    std::vector<DocumentChange> seen;
    doc.setListener([&](DocumentChange c) { seen.push_back(c); });
    doc.setTaxYear("2011");
    doc.markUnsaved();
    doc.setWorkingFile("/tmp/x.txt");
    doc.resetTotal();
    doc.clearCharges();
    EXPECT_EQ(seen, (std::vector{DocumentChange::Header, DocumentChange::Unsaved,
                                 DocumentChange::FileState, DocumentChange::Total,
                                 DocumentChange::Charges}));
    EXPECT_EQ(doc.statusText(), "Working on: /tmp/x.txt");
    EXPECT_EQ(doc.workingFile(), "/tmp/x.txt");
    EXPECT_FALSE(doc.isNew());
    doc.setNew();
    EXPECT_TRUE(doc.isNew());
    EXPECT_EQ(doc.workingFile(), "/tmp/x.txt");
}

TEST(Windows1252Test, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
}

TEST(Windows1252Test, MapsTheHighRangeAndReplacesWhatItCannotHold) {
    EXPECT_EQ(cp1252::toUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252::toUnicode(0x9F), U'\u0178');
    EXPECT_EQ(cp1252::toUnicode(0x81), U'\u0081');
    EXPECT_EQ(cp1252::toUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(cp1252::fromUnicode(U'\u20AC'), '\x80');
    EXPECT_EQ(cp1252::fromUnicode(U'\u0080'), '?'); // C1 control that 0x80 does not mean
    EXPECT_EQ(cp1252::fromUnicode(U'\u4E2D'), '?');
    EXPECT_EQ(cp1252::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x98\x80"),
              "caf\xE9 \x80 ? ?");
    // Broken sequences: a stray continuation byte, a truncated lead, an overlong form.
    EXPECT_EQ(cp1252::fromUtf8("a\x80"
                               "b\xC3"),
              "a?b?");
    EXPECT_EQ(cp1252::fromUtf8("\xC0\xAF"), "??");
}

} // namespace

namespace {

TEST(ChargeTableTest, ManyRowsKeepTheirTextsAcrossBlocksAndCopies) {
    ChargeTable table;
    const std::size_t rows = 100000;
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        table.append(ChargeRecord{"7" + n.substr(0, 2), n + ".000", "OWNER " + n,
                                  Currency::fromUnits(static_cast<std::int64_t>(i)),
                                  "NOTE " + n + " WATER", "NOTE " + n, "Water"});
    }
    table.setCurrentRow(500);
    table.replaceCurrent(ChargeRecord{"799", "1.000", "CHANGED", Currency{}, "X", "X", "Other"});
    table.setCurrentRow(0);
    table.deleteCurrent();

    const ChargeTable copy = table;
    ASSERT_EQ(copy.rowCount(), rows - 1);
    for (const std::size_t i : {std::size_t{0}, std::size_t{498}, std::size_t{499}, rows - 2}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(copy.row(i), table.row(i));
        if (i == 499) { // row 500 before the first was deleted
            EXPECT_EQ(table.name(i), "CHANGED");
            continue;
        }
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(table.folioNumber(i), n + ".000");
        EXPECT_EQ(table.name(i), "OWNER " + n);
        EXPECT_EQ(table.explanationNote(i), "NOTE " + n);
        EXPECT_EQ(table.amount(i).units(), static_cast<std::int64_t>(i + 1));
    }
    EXPECT_EQ(copy.currentRow(), table.currentRow());
    // Texts are packed: a row costs its texts plus a small entry, not its widths.
    EXPECT_LT(table.memoryUsage() / table.rowCount(), 150u);
}

} // namespace
