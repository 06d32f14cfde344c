#include "ChargeFileTestSupport.h"

#include "chargefile/ChargeFileReader.h"
#include "chargefile/ChargeFileWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace drovan;
using namespace drovan::testing;

namespace {

const Date kToday{2012, 6, 15};

const std::string kNotRecognised = "WARNING - This is NOT a Regional District Utility Charge File. "
                                   "The program will attempt to load this file anyway!";
const std::string kNoCode =
    "ERROR - The program was not able to determine the Regional District Code. Please set your "
    "Regional District Code Manually! The program will attempt to load this file anyway!";
const std::string kNoTaxYear =
    "ERROR - The program was not able to determine the Tax Year. Please set the charge Tax Year "
    "Manually! The program will attempt to load this file anyway!";
const std::string kNoCharge = "Warning - The program was not able to find any utility charge in "
                              "the file! The program will attempt to load this file anyway!";

std::string layoutMessage(const std::string &excerpt, bool last = false) {
    return "ERROR - The program found record layout problems with this charge (" + excerpt +
           "). The program expects numerical charge amounts without commas. The program will "
           "continue to load the file..." +
           (last ? " Maximum Error limit reached, any further errors will not be notified "
                   "(displayed)!"
                 : "");
}

std::string errorCountMessage(int count) {
    return "Warning - The program detected (" + std::to_string(count) +
           ") payment errors. These payment(s) are NOT loaded!";
}

ChargeFileLoad load(const std::string &bytes, DistrictKind kind = DistrictKind::RegionalDistrict,
                    std::size_t step = 64 * 1024) {
    ChoppedByteSource source(bytes, step);
    return readChargeFile(source, ChargeFileReadOptions{kind, kToday, {}});
}

std::vector<ChargeRecord> rowsOf(const ChargeTable &table) {
    std::vector<ChargeRecord> rows;
    for (std::size_t i = 0; i < table.rowCount(); ++i)
        rows.push_back(table.row(i));
    return rows;
}

ChargeTable tableOf(const std::vector<ChargeRecord> &rows) {
    ChargeTable table;
    for (const auto &row : rows)
        table.append(row);
    return table;
}

CollectionHeader kCentralOkanaganHeader() {
    return headerOf(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN", "2011");
}
const CollectionHeader kCentralOkanagan = kCentralOkanaganHeader();

const std::vector<ChargeRecord> kTwoCharges = {
    chargeOf("723", "12345.678", "SMITH JOHN", "120", "BLUE BIN GARBAGE", "BLUE BIN", "Garbage"),
    chargeOf("723", "12346.000", "DOE JANE", "85.5", "WATER", "", "Water"),
};

TEST(ChargeFileReaderTest, WrittenFilesReadBackUnchangedWithoutMessages) {
    const std::vector<ChargeRecord> rows = {
        chargeOf("701", "12345.678", "SMITH JOHN", "120.00", "BLUE BIN GARBAGE", "BLUE BIN",
                 "Garbage"),
        chargeOf("759", "123456.789", "DOE JANE", "85.50", "WATER", "", "Water"),
        chargeOf("723", "00012.345", "O'NEIL MARY", "0.75", "LINE SEWER", "LINE", "Sewer"),
        chargeOf("701", "00000.005", "ACME LTD", "99999999999.99", "LATE FEE", "LATE FEE", "Other"),
        chargeOf("787", "12345.678", "C\xC9LINE", "7", "", "", "Other"),
        chargeOf("781", "000001.000", "NO NOTE", "0.01", "GARBAGE", "", "Garbage"),
    };
    const CollectionHeader headers[] = {
        headerOf(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN", "2011"),
        headerOf(DistrictKind::Municipality, "201", "CASTLEGAR ", "2009"),
    };
    for (const auto &header : headers) {
        SCOPED_TRACE(header.codeCaption);
        const ChargeTable table = tableOf(rows);
        const std::string written = chargeFileText(header, table);
        // The document's kind before loading is the other one: the file decides.
        const DistrictKind other = header.kind() == DistrictKind::RegionalDistrict
                                       ? DistrictKind::Municipality
                                       : DistrictKind::RegionalDistrict;
        const ChargeFileLoad loaded = load(written, other);
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.header, header);
        EXPECT_EQ(rowsOf(loaded.charges), rows);
        EXPECT_EQ(loaded.messages, std::vector<std::string>{});
        EXPECT_EQ(loaded.total.toFixed2(), "100000000213.25");
        EXPECT_EQ(chargeFileText(loaded.header, loaded.charges), written);
    }
}

// A folio of a jurisdiction without a mask comes back as written; an empty folio, which only a
// field of blanks can give, is written as an empty field and reloads as a layout problem.
TEST(ChargeFileReaderTest, UnmaskedFoliosSurviveAReloadAndEmptyFoliosDoNot) {
    const std::vector<ChargeRecord> rows = {
        chargeOf("700", "000000000012345678", "NO MASK", "1", "SEWER", "", "Sewer"),
        chargeOf("701", "", "NO FOLIO", "2", "SEWER", "", "Sewer"),
    };
    const ChargeFileLoad loaded = load(chargeFileText(kCentralOkanaganHeader(), tableOf(rows)));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(rowsOf(loaded.charges), std::vector<ChargeRecord>{rows[0]});
    // A file from elsewhere with a short folio for such a jurisdiction is still completed.
    const ChargeFileLoad foreign = load("700,12345678,NO MASK,1,SEWER\r\n");
    ASSERT_EQ(foreign.charges.rowCount(), 1u);
    EXPECT_EQ(foreign.charges.folioNumber(0), "000000012345678000");
    // A masked jurisdiction's eighteen digits are laid into its mask as before.
    const ChargeFileLoad masked = load("701,000000000012345678,MASK,1,SEWER\r\n");
    ASSERT_EQ(masked.charges.rowCount(), 1u);
    EXPECT_EQ(masked.charges.folioNumber(0), "45678.000");
    EXPECT_EQ(loaded.messages, (std::vector<std::string>{layoutMessage("701,,NO FOLIO,2.00,SEWER"),
                                                         errorCountMessage(1)}));
}

struct FileCase {
    const char *name;
    std::string bytes;
    CollectionHeader header;
    std::vector<ChargeRecord> rows;
    std::vector<std::string> messages;
};

const CollectionHeader kResetHeader =
    headerOf(DistrictKind::RegionalDistrict, "00",
             "The Regional District \\ Municipality is not selected", "2012");

TEST(ChargeFileReaderTest, ReadsTheFixtureFiles) {
    const FileCase cases[] = {
        {"charge file", fixture("regional_two_charges.txt"), kCentralOkanagan, kTwoCharges, {}},
        {"municipality file",
         fixture("municipality_two_charges.txt"),
         headerOf(DistrictKind::Municipality, "201", "CASTLEGAR", "2011"),
         kTwoCharges,
         {}},
        {"LF line ends", fixture("line_ends_lf.txt"), kCentralOkanagan, kTwoCharges, {}},
        {"CR line ends", fixture("line_ends_cr.txt"), kCentralOkanagan, kTwoCharges, {}},
        {"mixed line ends", fixture("line_ends_mixed.txt"), kCentralOkanagan, kTwoCharges, {}},
        {"no final line end", fixture("no_final_line_end.txt"), kCentralOkanagan, kTwoCharges, {}},
        {"UTF-8 with byte-order mark",
         fixture("utf8_bom.txt"),
         headerOf(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN \x96 NORTH", "2011"),
         {chargeOf("701", "12345.678", "C\xC9LINE ?UKASZ \x80", "5", "BIN GARBAGE", "BIN",
                   "Garbage")},
         {}},
        {"lenient lines",
         fixture("lenient_lines.csv"),
         kCentralOkanagan,
         {
             chargeOf("723", "12345.678", "SMITH JOHN", "120", "GARBAGE", "", "Garbage"),
             chargeOf("701", "00005.000", "ACME LTD", "0", "RAINWATER TANK", "RAIN TANK", "Water"),
             chargeOf("701", "12345.600", "JONES ANN", "1234.50", "GARBAGE PIT SEWER", " PIT SEWER",
                      "Garbage"),
             chargeOf("701", "12345.000", "BROWN PETER", "10.1234", "WATER BIN GARBAGE",
                      "WATER BIN", "Garbage"),
             chargeOf("701", "12345.670", "GREEN AL", "10.1236", "GARBAGE BIN", " BIN", "Garbage"),
             chargeOf("701", "00012.345", "WHITE", "0", "OLD GARBAGE FEE", "OLD FEE", "Garbage"),
             chargeOf("701", "12345.678", "BLACK ROSE", "5", "garbage", "garbage", "Other"),
             chargeOf("759", "456789.000", "GREY", "0.005", "SEWER", "", "Sewer"),
             chargeOf("701", "", "NOFOLIO", "1", "", "", "Other"),
         },
         {}},
        {"no header",
         fixture("no_header.csv"),
         kResetHeader,
         {chargeOf("701", "12345.678", "SMITH JOHN", "120", "BLUE BIN GARBAGE", "BLUE BIN",
                   "Garbage"),
          chargeOf("723", "12346.000", "DOE JANE", "85.5", "WATER", "", "Water")},
         {kNotRecognised, kNoCode, kNoTaxYear}},
        {"seven bad lines",
         fixture("seven_bad_lines.txt"),
         kCentralOkanagan,
         {chargeOf("701", "12345.678", "GOOD ONE", "5", "GARBAGE", "", "Garbage")},
         {layoutMessage("701,12345.678,SMITH JOHN,1,234.50,GARBAGE"), layoutMessage(""),
          layoutMessage("701,,EMPTY FOLIO,5,GARBAGE"), layoutMessage("701,12345.678,TOO FEW"),
          layoutMessage("701,12345.678,SMITH,5,,GARBAGE", true), errorCountMessage(7)}},
        {"empty file", "", kResetHeader, {}, {kNotRecognised, kNoCode, kNoTaxYear, kNoCharge}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ChargeFileLoad loaded = load(c.bytes);
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.header, c.header);
        EXPECT_EQ(rowsOf(loaded.charges), c.rows);
        EXPECT_EQ(loaded.messages, c.messages);
        CurrencySum total;
        for (const auto &row : c.rows)
            total.add(row.Payment_Amount);
        EXPECT_EQ(loaded.total, total);
    }
}

TEST(ChargeFileReaderTest, ReadsTheSameWhateverSizeTheReadsHaveAndShowsProgress) {
    const char *files[] = {"line_ends_mixed.txt", "line_ends_cr.txt", "utf8_bom.txt",
                           "seven_bad_lines.txt", "no_final_line_end.txt"};
    for (const char *file : files) {
        const std::string bytes = fixture(file);
        const ChargeFileLoad whole = load(bytes);
        for (const std::size_t step : {1, 2, 3, 5, 7}) {
            SCOPED_TRACE(std::string(file) + " in reads of " + std::to_string(step));
            const ChargeFileLoad chopped = load(bytes, DistrictKind::RegionalDistrict, step);
            ASSERT_TRUE(chopped.ok);
            EXPECT_EQ(chopped.header, whole.header);
            EXPECT_EQ(rowsOf(chopped.charges), rowsOf(whole.charges));
            EXPECT_EQ(chopped.messages, whole.messages);
        }
    }
}

struct LinesCase {
    const char *name;
    std::string bytes;
    std::size_t rows;
    std::size_t layoutErrors;
};

TEST(ChargeFileReaderTest, EndsLinesAtCrLfOrLfOrCr) {
    const std::string line = "701,12345.678,SMITH,5,GARBAGE";
    const LinesCase cases[] = {
        {"one line, no end", line, 1, 0},
        {"CR LF", line + "\r\n" + line + "\r\n", 2, 0},
        {"LF CR is two line ends", line + "\n\r" + line, 2, 1},
        {"CR CR LF", line + "\r\r\n" + line, 2, 1},
        {"blank lines", "\r\n\n\r", 0, 3},
        {"lone LF", "\n", 0, 1},
        {"NUL bytes only", std::string(5, '\0'), 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ChargeFileLoad loaded = load(c.bytes);
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.charges.rowCount(), c.rows);
        EXPECT_EQ(loaded.layoutErrors, c.layoutErrors);
    }
}

struct HeaderCase {
    const char *name;
    std::vector<std::string> lines;
    DistrictKind kindBefore;
    CollectionHeader header;
    std::vector<std::string> messages;
};

std::string crlfJoined(const std::vector<std::string> &lines) {
    std::string text;
    for (const auto &line : lines)
        text += line + "\r\n";
    return text;
}

TEST(ChargeFileReaderTest, TakesHeaderValuesOnlyFromTheirLines) {
    const std::string rule = "\"-------------------------------------------------";
    const std::string charge = "701,12345.678,SMITH,5,GARBAGE";
    const CollectionHeader resetMunicipality =
        headerOf(DistrictKind::Municipality, "00",
                 "The Regional District \\ Municipality is not selected", "2012");
    const HeaderCase cases[] = {
        {"values taken untrimmed",
         {rule, "\" Regional District Utility Charges", "\" Regional District Code =  07 ",
          "\" Regional District Name = A  B ", "\" Charge Tax Year        = 20 11 ", charge},
         DistrictKind::Municipality,
         headerOf(DistrictKind::RegionalDistrict, " 07 ", "A  B ", "20 11 "),
         {}},
        {"kind line alone sets the kind and recognises the file",
         {charge, "\" Municipality Utility Charges"},
         DistrictKind::RegionalDistrict,
         resetMunicipality,
         {kNoCode, kNoTaxYear}},
        {"prefixes without values set the kind but find nothing",
         {rule, rule, "\" Municipality Code = ", "\" Municipality Name = ",
          "\" Charge Tax Year        = ", charge},
         DistrictKind::RegionalDistrict,
         resetMunicipality,
         {kNoCode, kNoTaxYear}},
        {"the name line's kind wins over the code line's",
         {rule, rule, "\" Municipality Code = 201", "\" Regional District Name = NORTH", charge},
         DistrictKind::Municipality,
         headerOf(DistrictKind::RegionalDistrict, "201", "NORTH", "2012"),
         {kNoTaxYear}},
        {"header lines at other positions are ignored",
         {rule, "\" Regional District Code = 07", "\" Charge Tax Year        = 2011",
          "\" Municipality Utility Charges", "\" Municipality Name = X", charge},
         DistrictKind::RegionalDistrict,
         kResetHeader,
         {kNoCode, kNoTaxYear}},
        {"prefixes compare case and blanks exactly",
         {"\" regional district utility charges", "\" Regional District Utility Charges",
          "\" Regional District Code= 07", "\"Regional District Name = X",
          "\" Charge Tax Year = 2011", charge},
         DistrictKind::Municipality,
         kResetHeader,
         {kNoCode, kNoTaxYear}},
        {"a data line takes a header line's place",
         {charge, charge, "\" Regional District Code = 07", charge,
          "\" Charge Tax Year        = 2011"},
         DistrictKind::RegionalDistrict,
         headerOf(DistrictKind::RegionalDistrict, "07",
                  "The Regional District \\ Municipality is not selected", "2011"),
         {kNotRecognised}},
        {"header only, no charge",
         {rule, "\" Regional District Utility Charges", "\" Regional District Code = 07",
          "\" Regional District Name = X", "\" Charge Tax Year        = 2011", rule},
         DistrictKind::RegionalDistrict,
         headerOf(DistrictKind::RegionalDistrict, "07", "X", "2011"),
         {kNoCharge}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ChargeFileLoad loaded = load(crlfJoined(c.lines), c.kindBefore);
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.header, c.header);
        EXPECT_EQ(loaded.messages, c.messages);
    }
}

TEST(ChargeFileReaderTest, DefaultTaxYearFollowsToday) {
    const struct {
        Date today;
        const char *taxYear;
    } cases[] = {{{2012, 3, 31}, "2011"}, {{2012, 4, 1}, "2012"}, {{2013, 1, 1}, "2012"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.taxYear);
        ChoppedByteSource source(fixture("no_header.csv"), 64);
        const ChargeFileLoad loaded =
            readChargeFile(source, ChargeFileReadOptions{DistrictKind::Municipality, c.today, {}});
        EXPECT_EQ(loaded.header.taxYear, c.taxYear);
        EXPECT_EQ(loaded.header.kind(), DistrictKind::Municipality);
    }
}

TEST(ChargeFileReaderTest, ShowsAtMostFiveLayoutMessagesButCountsEveryBadLine) {
    std::string text;
    for (int i = 1; i <= 12; ++i)
        text += "BAD LINE " + std::to_string(i) + "\r\n";
    const ChargeFileLoad loaded = load(text);
    ASSERT_EQ(loaded.messages.size(), 9U);
    EXPECT_EQ(loaded.messages[0], layoutMessage("BAD LINE 1"));
    EXPECT_EQ(loaded.messages[4], layoutMessage("BAD LINE 5", true));
    EXPECT_EQ(loaded.messages[5], kNotRecognised);
    EXPECT_EQ(loaded.messages[8], errorCountMessage(12));
    EXPECT_EQ(loaded.layoutErrors, 12U);
}

TEST(ChargeFileReaderTest, QuotesTheFirstEightyCleanedCharactersTrimmed) {
    // The cleaned line loses its quotes and double blanks; character 80 is a blank here.
    const std::string line = "A\"B\"" + std::string(77, 'C') + "  D,E";
    const ChargeFileLoad loaded = load(line);
    ASSERT_FALSE(loaded.messages.empty());
    EXPECT_EQ(loaded.messages[0], layoutMessage("AB" + std::string(77, 'C')));
}

TEST(ChargeFileReaderTest, KeepsOddBytesAndHugeLinesWithinTheRules) {
    const std::string nul("\0", 1);
    const std::string hugeName(3 * 1024 * 1024, 'N');
    std::string text = "701,12345.678,A" + nul + "B,5,GARBAGE\r\n";
    text += "701,12345.678," + hugeName + ",5,GARBAGE\r\n";
    text += "701,12345.678," + hugeName + ",5,GARBAGE,EXTRA\r\n";
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>((i * 151 + 7) % 256));
    text += binary;
    for (const std::size_t step : {std::size_t{4093}, std::size_t{64 * 1024}}) {
        SCOPED_TRACE(step);
        const ChargeFileLoad loaded = load(text, DistrictKind::RegionalDistrict, step);
        ASSERT_TRUE(loaded.ok);
        ASSERT_GE(loaded.charges.rowCount(), 2U);
        EXPECT_EQ(loaded.charges.name(0), "A" + nul + "B");
        EXPECT_EQ(loaded.charges.name(1), std::string(50, 'N'));
        EXPECT_GE(loaded.layoutErrors, 1U);
        EXPECT_EQ(loaded.messages[0], layoutMessage("701,12345.678," + std::string(66, 'N')));
    }
}

TEST(ChargeFileReaderTest, AReadErrorPartWayGivesFailureAndNoRows) {
    const std::string bytes = fixture("regional_two_charges.txt");
    for (const std::size_t failAfter :
         {std::size_t{0}, std::size_t{1}, std::size_t{300}, bytes.size() - 1, bytes.size()}) {
        SCOPED_TRACE(failAfter);
        ChoppedByteSource source(bytes, 64, failAfter);
        const ChargeFileLoad loaded = readChargeFile(
            source, ChargeFileReadOptions{DistrictKind::RegionalDistrict, kToday, {}});
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.charges.rowCount(), 0U);
        EXPECT_EQ(loaded.messages, std::vector<std::string>{});
        EXPECT_TRUE(loaded.total.isZero());
    }
}

TEST(ChargeFileReaderTest, ReportsProgressAboutEverySixtyFourKilobytes) {
    std::string text;
    while (text.size() < 300 * 1024)
        text += "701,12345.678,SMITH JOHN,120.00,BLUE BIN GARBAGE\r\n";
    ChoppedByteSource source(text, 16 * 1024);
    std::vector<std::uint64_t> reports;
    const ChargeFileLoad loaded =
        readChargeFile(source, ChargeFileReadOptions{DistrictKind::RegionalDistrict, kToday,
                                                     [&](std::uint64_t bytes) {
                                                         reports.push_back(bytes);
                                                     }});
    ASSERT_TRUE(loaded.ok);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), text.size());
    for (std::size_t i = 1; i < reports.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(reports[i], reports[i - 1]);
        if (i + 1 < reports.size()) {
            EXPECT_GE(reports[i] - reports[i - 1], 64U * 1024);
        }
    }
    EXPECT_EQ(reports.size(), text.size() / (64 * 1024) + 1);
}

} // namespace
