#include "ChargeFileTestSupport.h"

#include "chargefile/ChargeFileWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace drovan;
using namespace drovan::testing;

namespace {

ChargeTable twoCharges() {
    ChargeTable table;
    table.append(chargeOf("723", "12345.678", "SMITH JOHN", "120", "BLUE BIN GARBAGE", "BLUE BIN",
                          "Garbage"));
    table.append(chargeOf("723", "12346.000", "DOE JANE", "85.5", "WATER", "", "Water"));
    return table;
}

struct FileCase {
    const char *name;
    CollectionHeader header;
    ChargeTable charges;
    const char *fixture;
};

TEST(ChargeFileWriterTest, WritesTheFixtureFilesByteForByte) {
    const FileCase cases[] = {
        {"empty collection: ten lines, total 0.00, count 0", CollectionHeader{}, ChargeTable{},
         "empty_collection.txt"},
        {"regional district",
         headerOf(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN", "2011"), twoCharges(),
         "regional_two_charges.txt"},
        {"municipality header lines",
         headerOf(DistrictKind::Municipality, "201", "CASTLEGAR", "2011"), twoCharges(),
         "municipality_two_charges.txt"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chargeFileText(c.header, c.charges), fixture(c.fixture));
    }
}

TEST(ChargeFileWriterTest, AnyCaptionButTheRegionalOneWritesMunicipalityLines) {
    CollectionHeader header = headerOf(DistrictKind::RegionalDistrict, "201", "CASTLEGAR", "2011");
    header.codeCaption = "regional district code:";
    EXPECT_EQ(chargeFileText(header, twoCharges()), fixture("municipality_two_charges.txt"));
}

// The data line, the total line and the count line of a one-row file.
struct AmountCase {
    const char *name;
    std::vector<const char *> amounts;
    std::vector<const char *> written;
    const char *total;
};

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find("\r\n", begin);
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

TEST(ChargeFileWriterTest, WritesAmountsWithTwoDecimalsAndTheExactTotal) {
    const AmountCase cases[] = {
        {"whole amount", {"7"}, {"7.00"}, "7.00"},
        {"largest amount entry allows, in full",
         {"99999999999.99"},
         {"99999999999.99"},
         "99999999999.99"},
        {"beyond the 14-character field, never shortened",
         {"100000000000", "123456789012345.6789"},
         {"100000000000.00", "123456789012345.68"},
         "123556789012345.68"},
        {"exact sum", {"0.10", "0.20"}, {"0.10", "0.20"}, "0.30"},
        {"third and fourth decimals round half to even",
         {"0.125", "0.135", "0.1251"},
         {"0.12", "0.14", "0.13"},
         "0.39"},
        {"total of the held amounts, rounded once", {"0.005", "0.005"}, {"0.00", "0.00"}, "0.01"},
        {"negative amount from a foreign file", {"-5"}, {"-5.00"}, "-5.00"},
        {"total beyond one amount's range",
         {"900000000000000", "900000000000000"},
         {"900000000000000.00", "900000000000000.00"},
         "1800000000000000.00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ChargeTable table;
        for (const char *amount : c.amounts)
            table.append(chargeOf("701", "12345.678", "SMITH", amount, "GARBAGE", "", "Garbage"));
        const std::vector<std::string> lines = linesOf(chargeFileText(CollectionHeader{}, table));
        ASSERT_EQ(lines.size(), c.amounts.size() + 10);
        for (std::size_t i = 0; i < c.written.size(); ++i)
            EXPECT_EQ(lines[6 + i],
                      std::string("701,12345.678,SMITH,") + c.written[i] + ",GARBAGE");
        EXPECT_EQ(lines[lines.size() - 3], std::string("\"TOTAL CHARGES           = ") + c.total);
        EXPECT_EQ(lines[lines.size() - 2],
                  "\"TOTAL CHARGE AMOUNTS    = " + std::to_string(c.amounts.size()));
    }
}

TEST(ChargeFileWriterTest, WritesValuesExactlyAsHeld) {
    ChargeTable table;
    table.append(chargeOf("701", "", "C\xC9LINE O'NEIL", "1", "", "", "Other"));
    const std::vector<std::string> lines = linesOf(
        chargeFileText(headerOf(DistrictKind::RegionalDistrict, " 07 ", "NAME  ", "20 11"), table));
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(lines[2], "\" Regional District Code =  07 ");
    EXPECT_EQ(lines[3], "\" Regional District Name = NAME  ");
    EXPECT_EQ(lines[4], "\" Charge Tax Year        = 20 11");
    EXPECT_EQ(lines[6], "701,,C\xC9LINE O'NEIL,1.00,");
}

TEST(ChargeFileWriterTest, HandsEveryLineToTheCallbackWithoutItsLineEnd) {
    std::vector<std::string> seen;
    const std::string text =
        chargeFileText(headerOf(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN", "2011"),
                       twoCharges(), [&](std::string_view line) { seen.emplace_back(line); });
    EXPECT_EQ(seen, linesOf(text));
    std::string joined;
    for (const auto &line : seen)
        joined += line + "\r\n";
    EXPECT_EQ(joined, text);
}

TEST(ChargeFileWriterTest, LeavesTheCurrentRowWhereItWas) {
    ChargeTable table = twoCharges();
    table.setCurrentRow(0);
    StringByteSink sink;
    ASSERT_TRUE(writeChargeFile(sink, CollectionHeader{}, table));
    EXPECT_EQ(table.currentRow(), std::optional<std::size_t>(0));
}

ChargeTable manyCharges(std::size_t count) {
    ChargeTable table;
    for (std::size_t i = 0; i < count; ++i)
        table.append(chargeOf("701", "12345.678", "SMITH JOHN", "120.00", "BLUE BIN GARBAGE",
                              "BLUE BIN", "Garbage"));
    return table;
}

TEST(ChargeFileWriterTest, WritesABigFileInFewLargeWrites) {
    const ChargeTable table = manyCharges(5000);
    const std::string expected = chargeFileText(CollectionHeader{}, table);
    FailingByteSink sink(1000);
    ASSERT_TRUE(writeChargeFile(sink, CollectionHeader{}, table));
    EXPECT_EQ(sink.text(), expected);
    EXPECT_GE(sink.calls(), 2U);
    EXPECT_LE(sink.calls(), expected.size() / (64 * 1024) + 1);
}

struct FailureCase {
    const char *name;
    std::size_t charges;
    std::size_t acceptedWrites;
};

TEST(ChargeFileWriterTest, StopsAtTheFirstRefusedWriteAndReportsIt) {
    const FailureCase cases[] = {
        {"small file, only write refused", 2, 0},
        {"big file, first chunk refused", 5000, 0},
        {"big file, a later chunk refused", 5000, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ChargeTable table = manyCharges(c.charges);
        FailingByteSink sink(c.acceptedWrites);
        EXPECT_FALSE(writeChargeFile(sink, CollectionHeader{}, table));
        EXPECT_EQ(sink.calls(), c.acceptedWrites + 1);
        EXPECT_EQ(chargeFileText(CollectionHeader{}, table).substr(0, sink.text().size()),
                  sink.text());
    }
}

} // namespace
