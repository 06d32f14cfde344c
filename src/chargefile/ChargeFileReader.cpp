#include "chargefile/ChargeFileReader.h"

#include "chargefile/ChargeFileFormat.h"
#include "chargefile/Explanation.h"
#include "chargefile/LineParts.h"
#include "document/Text.h"
#include "document/Windows1252.h"
#include "reference/Folio.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

namespace drovan {
namespace {

using namespace chargefile;

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr std::size_t kShownLayoutErrors = 5;
constexpr std::size_t kExcerptLength = 80;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view kLayoutMessageStart =
    "ERROR - The program found record layout problems with this charge (";
constexpr std::string_view kLayoutMessageEnd =
    "). The program expects numerical charge amounts without commas. The program will continue "
    "to load the file...";
constexpr std::string_view kLayoutLimitNotice =
    " Maximum Error limit reached, any further errors will not be notified (displayed)!";
constexpr std::string_view kNotRecognisedMessage =
    "WARNING - This is NOT a Regional District Utility Charge File. The program will attempt to "
    "load this file anyway!";
constexpr std::string_view kNoCodeMessage =
    "ERROR - The program was not able to determine the Regional District Code. Please set your "
    "Regional District Code Manually! The program will attempt to load this file anyway!";
constexpr std::string_view kNoTaxYearMessage =
    "ERROR - The program was not able to determine the Tax Year. Please set the charge Tax Year "
    "Manually! The program will attempt to load this file anyway!";
constexpr std::string_view kNoChargeMessage =
    "Warning - The program was not able to find any utility charge in the file! The program will "
    "attempt to load this file anyway!";
constexpr std::string_view kErrorCountStart = "Warning - The program detected (";
constexpr std::string_view kErrorCountEnd = ") payment errors. These payment(s) are NOT loaded!";

// Splits bytes into lines at CR LF, LF or CR, across chunk boundaries. A line that lies inside
// one chunk is handed out as a view of it; only a line cut by a boundary is copied.
class LineSplitter {
public:
    template <typename OnLine> void feed(std::string_view chunk, OnLine &&onLine) {
        const char *data = chunk.data();
        const std::size_t size = chunk.size();
        std::size_t pos = 0;
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (size > 0 && data[0] == '\n')
                pos = 1;
        }
        // The next LF and CR at or after pos, searched again only once passed, so that a file
        // with one kind of line end is not rescanned for the other on every line.
        std::size_t nextLf = find(data, size, pos, '\n');
        std::size_t nextCr = find(data, size, pos, '\r');
        while (pos < size) {
            if (nextLf < pos)
                nextLf = find(data, size, pos, '\n');
            if (nextCr < pos)
                nextCr = find(data, size, pos, '\r');
            std::size_t end = nextLf < nextCr ? nextLf : nextCr;
            if (end == size) {
                pending_.append(data + pos, size - pos);
                return;
            }
            if (pending_.empty()) {
                onLine(std::string_view(data + pos, end - pos));
            } else {
                pending_.append(data + pos, end - pos);
                onLine(std::string_view(pending_));
                pending_.clear();
            }
            if (data[end] == '\r') {
                if (end + 1 == size)
                    skipLineFeed_ = true;
                else if (data[end + 1] == '\n')
                    ++end;
            }
            pos = end + 1;
        }
    }

    // A last line without a line end is still a line.
    template <typename OnLine> void finish(OnLine &&onLine) {
        if (!pending_.empty()) {
            onLine(std::string_view(pending_));
            pending_.clear();
        }
    }

private:
    static std::size_t find(const char *data, std::size_t size, std::size_t from, char c) {
        const void *hit = std::memchr(data + from, c, size - from);
        return hit == nullptr ? size
                              : static_cast<std::size_t>(static_cast<const char *>(hit) - data);
    }

    std::string pending_;
    bool skipLineFeed_ = false;
};

class Loader {
public:
    explicit Loader(const ChargeFileReadOptions &options) {
        result_.header.codeCaption = codeCaptionOf(options.kind);
        result_.header.nameCaption = nameCaptionOf(options.kind);
        result_.header.code = kNoDistrictCode;
        result_.header.name = kNoDistrictNameLoading;
        result_.header.taxYear = defaultTaxYear(options.today);
    }

    void setUtf8(bool utf8) { utf8_ = utf8; }
    void reserveFor(std::uint64_t bytes);

    void line(std::string_view text) {
        ++lineNumber_;
        if (utf8_) {
            converted_ = cp1252::fromUtf8(text);
            text = converted_;
        }
        if (!text.empty() && text.front() == '"')
            headerLine(text);
        else
            dataLine(text);
    }

    ChargeFileLoad finish();

private:
    void setKind(DistrictKind kind) {
        result_.header.codeCaption = codeCaptionOf(kind);
        result_.header.nameCaption = nameCaptionOf(kind);
    }
    void headerLine(std::string_view text);
    void dataLine(std::string_view text);
    void layoutError();

    ChargeFileLoad result_;
    bool utf8_ = false;
    std::size_t lineNumber_ = 0;
    bool recognised_ = false;
    bool codeFound_ = false;
    bool taxYearFound_ = false;
    bool chargeSeen_ = false;
    // Reused from line to line so that a big file does not allocate per line.
    std::string converted_;
    std::string cleanedScratch_;
    DataLineFields line_;
    FolioDisplayCache folios_;
    std::string folio_;
    std::string note_;
};

void Loader::headerLine(std::string_view text) {
    switch (lineNumber_) {
    case 1:
        recognised_ = true;
        break;
    case 2:
        if (startsWith(text, kRegionalDistrictKindLine)) {
            recognised_ = true;
            setKind(DistrictKind::RegionalDistrict);
        } else if (startsWith(text, kMunicipalityKindLine)) {
            recognised_ = true;
            setKind(DistrictKind::Municipality);
        }
        break;
    case 3:
    case 4: {
        const bool code = lineNumber_ == 3;
        const std::string_view regional =
            code ? kRegionalDistrictCodePrefix : kRegionalDistrictNamePrefix;
        const std::string_view municipality =
            code ? kMunicipalityCodePrefix : kMunicipalityNamePrefix;
        std::string_view prefix;
        if (startsWith(text, regional)) {
            prefix = regional;
            setKind(DistrictKind::RegionalDistrict);
        } else if (startsWith(text, municipality)) {
            prefix = municipality;
            setKind(DistrictKind::Municipality);
        } else {
            break;
        }
        if (text.size() > prefix.size()) {
            (code ? result_.header.code : result_.header.name) = text.substr(prefix.size());
            codeFound_ = codeFound_ || code;
        }
        break;
    }
    case 5:
        if (startsWith(text, kTaxYearPrefix) && text.size() > kTaxYearPrefix.size()) {
            result_.header.taxYear = text.substr(kTaxYearPrefix.size());
            taxYearFound_ = true;
        }
        break;
    default:
        break;
    }
}

// A folio of a jurisdiction without a mask is saved as eighteen digits and no point. Completing
// it to three decimals on reload would shift its digits by three places on every save and load,
// so such a field is kept as it was written.
bool isUnmaskedDisplayForm(std::string_view jurisdiction, std::string_view folio) {
    if (folio.size() != 18 || !std::all_of(folio.begin(), folio.end(), isDigit))
        return false;
    std::string mask;
    return !FolioMaskFind(jurisdiction, mask);
}

void Loader::dataLine(std::string_view text) {
    chargeSeen_ = true;
    splitDataLine(text, cleanedScratch_, line_);
    if (line_.layoutProblem) {
        layoutError();
        return;
    }
    const auto &fields = line_.fields;

    ChargeView charge;
    charge.Jurisdiction = leftChars(trimView(fields[0]), 3);
    const std::string_view folio = trimView(fields[1]);
    if (folios_.isDisplayForm(charge.Jurisdiction, folio) ||
        isUnmaskedDisplayForm(charge.Jurisdiction, folio)) {
        charge.Folio_Number = folio;
    } else {
        const std::string completed = AddTrailingZeroes(folio);
        if (completed.empty())
            folio_.clear();
        else
            folios_.display(charge.Jurisdiction, DigitsOnly(completed), folio_);
        charge.Folio_Number = folio_;
    }
    charge.Name = trimView(fields[2]);
    charge.Payment_Amount = Currency::parse(fields[3], ".").value_or(Currency{});
    charge.Explanation = trimView(fields[4]);
    charge.Explanation_Button = explanationPartsOf(charge.Explanation, note_);
    charge.Explanation_Note = note_;

    result_.charges.append(charge);
    result_.total.add(charge.Payment_Amount);
}

void Loader::layoutError() {
    ++result_.layoutErrors;
    if (result_.layoutErrors > kShownLayoutErrors)
        return;
    std::string message(kLayoutMessageStart);
    message.append(trimView(leftChars(line_.cleaned, kExcerptLength)));
    message.append(kLayoutMessageEnd);
    if (result_.layoutErrors == kShownLayoutErrors)
        message.append(kLayoutLimitNotice);
    result_.messages.push_back(std::move(message));
}

void Loader::reserveFor(std::uint64_t bytes) {
    // A realistic charge line is about 50 bytes; reserving for that avoids regrowing the table
    // (and holding two copies of it) while a big file loads.
    constexpr std::uint64_t kBytesPerLine = 48;
    // A huge file of another kind must not reserve more than a big charge file needs; past this
    // the table grows as it goes.
    constexpr std::uint64_t kMaxReservedRows = 4'000'000;
    result_.charges.reserve(
        static_cast<std::size_t>(std::min(bytes / kBytesPerLine, kMaxReservedRows)));
}

ChargeFileLoad Loader::finish() {
    if (!recognised_)
        result_.messages.emplace_back(kNotRecognisedMessage);
    if (!codeFound_)
        result_.messages.emplace_back(kNoCodeMessage);
    if (!taxYearFound_)
        result_.messages.emplace_back(kNoTaxYearMessage);
    if (!chargeSeen_) {
        result_.messages.emplace_back(kNoChargeMessage);
    } else if (result_.layoutErrors > 0) {
        result_.messages.push_back(std::string(kErrorCountStart) +
                                   std::to_string(result_.layoutErrors) +
                                   std::string(kErrorCountEnd));
    }
    result_.ok = true;
    return std::move(result_);
}

ChargeFileLoad readFailure(const ChargeFileReadOptions &options) {
    ChargeFileLoad failed = Loader(options).finish();
    failed.ok = false;
    failed.charges = ChargeTable{};
    failed.total = CurrencySum{};
    failed.messages.clear();
    failed.layoutErrors = 0;
    return failed;
}

ChargeFileLoad readLines(ByteSource &source, const ChargeFileReadOptions &options) {
    Loader loader(options);
    if (const auto size = source.sizeHint())
        loader.reserveFor(*size);
    LineSplitter splitter;
    const auto onLine = [&loader](std::string_view line) {
        loader.line(line);
    };

    const auto buffer = std::make_unique<char[]>(kChunkSize);
    std::uint64_t bytesRead = 0;
    std::uint64_t lastReported = 0;
    bool started = false;
    std::size_t filled = 0;
    for (;;) {
        const auto count = source.read(buffer.get() + filled, kChunkSize - filled);
        if (!count)
            return readFailure(options);
        bytesRead += *count;
        filled += *count;
        const bool atEnd = *count == 0;
        if (options.progress && bytesRead - lastReported >= kChunkSize) {
            options.progress(bytesRead);
            lastReported = bytesRead;
        }
        std::string_view chunk(buffer.get(), filled);
        if (!started) {
            // The byte-order mark decides the encoding, so wait until it can be seen whole.
            if (filled < kUtf8ByteOrderMark.size() && !atEnd)
                continue;
            started = true;
            if (startsWith(chunk, kUtf8ByteOrderMark)) {
                loader.setUtf8(true);
                chunk.remove_prefix(kUtf8ByteOrderMark.size());
            }
        }
        if (!chunk.empty())
            splitter.feed(chunk, onLine);
        filled = 0;
        if (atEnd)
            break;
    }
    splitter.finish(onLine);
    if (options.progress)
        options.progress(bytesRead);
    return loader.finish();
}

} // namespace

ChargeFileLoad readChargeFile(ByteSource &source, const ChargeFileReadOptions &options) {
    // A file whose rows do not fit in memory is a failed load like a read error, not an exception
    // for the window to catch.
    try {
        return readLines(source, options);
    } catch (const std::bad_alloc &) {
        return readFailure(options);
    } catch (const std::length_error &) {
        return readFailure(options);
    }
}

} // namespace drovan
