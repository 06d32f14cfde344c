#include "chargefile/ChargeFileWriter.h"

#include "chargefile/AmountText.h"
#include "chargefile/ChargeFileFormat.h"
#include "document/Currency.h"

#include <cstring>
#include <new>
#include <vector>

namespace drovan {
namespace {

using namespace chargefile;

// Lines are gathered into chunks of this size so that a big file costs few sink writes.
constexpr std::size_t kChunkSize = 64 * 1024;

// An empty view may have no data to copy from, which memcpy must not be given.
char *copyField(char *at, std::string_view text) {
    if (!text.empty())
        std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// Lines are built straight into the chunk; the callback sees each one there before its line end.
// The chunk is a plain buffer with a size of its own, so that a line costs no string bookkeeping.
class LineWriter {
public:
    LineWriter(ByteSink &sink, const ChargeFileLineCallback &onLine)
        : sink_(sink), onLine_(onLine), bytes_(kChunkSize + 1024) {}

    // Room for `length` more bytes at the end of the line being built.
    char *room(std::size_t length) {
        if (bytes_.size() - size_ < length)
            bytes_.resize(size_ + length);
        return bytes_.data() + size_;
    }
    void grow(char *end) { size_ = static_cast<std::size_t>(end - bytes_.data()); }

    void begin() { lineStart_ = size_; }
    void append(std::string_view text) { grow(copyField(room(text.size()), text)); }

    bool end() {
        if (onLine_)
            onLine_(std::string_view(bytes_.data() + lineStart_, size_ - lineStart_));
        append(kLineEnd);
        return size_ < kChunkSize || flush();
    }

    bool emit(std::string_view text, std::string_view value = {}) {
        begin();
        append(text);
        append(value);
        return end();
    }

    bool flush() {
        if (size_ == 0)
            return true;
        const bool written = sink_.write(std::string_view(bytes_.data(), size_));
        size_ = 0;
        return written;
    }

private:
    ByteSink &sink_;
    const ChargeFileLineCallback &onLine_;
    std::vector<char> bytes_;
    std::size_t size_ = 0;
    std::size_t lineStart_ = 0;
};

bool writeLines(LineWriter &out, const CollectionHeader &header, const ChargeTable &charges) {
    const bool regional = header.kind() == DistrictKind::RegionalDistrict;
    if (!out.emit(kRuleLine) ||
        !out.emit(regional ? kRegionalDistrictKindLine : kMunicipalityKindLine) ||
        !out.emit(regional ? kRegionalDistrictCodePrefix : kMunicipalityCodePrefix, header.code) ||
        !out.emit(regional ? kRegionalDistrictNamePrefix : kMunicipalityNamePrefix, header.name) ||
        !out.emit(kTaxYearPrefix, header.taxYear) || !out.emit(kRuleLine))
        return false;

    // The total is of the rows written, not the document's running total.
    CurrencySum total;
    const std::size_t count = charges.rowCount();
    for (std::size_t i = 0; i < count; ++i) {
        const Currency amount = charges.amount(i);
        total.add(amount);
        const std::string_view jurisdiction = charges.jurisdiction(i);
        const std::string_view folio = charges.folioNumber(i);
        const std::string_view name = charges.name(i);
        const std::string_view explanation = charges.explanation(i);
        out.begin();
        char *at = out.room(jurisdiction.size() + folio.size() + name.size() + explanation.size() +
                            kMaxFixed2Length + 4);
        at = copyField(at, jurisdiction);
        *at++ = kFieldSeparator;
        at = copyField(at, folio);
        *at++ = kFieldSeparator;
        at = copyField(at, name);
        *at++ = kFieldSeparator;
        at = writeFixed2(at, amount);
        *at++ = kFieldSeparator;
        at = copyField(at, explanation);
        out.grow(at);
        if (!out.end())
            return false;
    }

    return out.emit(kRuleLine) && out.emit(kTotalPrefix, total.toFixed2()) &&
           out.emit(kCountPrefix, std::to_string(count)) && out.emit(kRuleLine) && out.flush();
}

} // namespace

bool writeChargeFile(ByteSink &sink, const CollectionHeader &header, const ChargeTable &charges,
                     const ChargeFileLineCallback &onLine) {
    // Running out of memory is a failed save like a refused write, not an exception for the
    // window to catch.
    try {
        LineWriter out(sink, onLine);
        return writeLines(out, header, charges);
    } catch (const std::bad_alloc &) {
        return false;
    }
}

std::string chargeFileText(const CollectionHeader &header, const ChargeTable &charges,
                           const ChargeFileLineCallback &onLine) {
    StringByteSink sink;
    if (!writeChargeFile(sink, header, charges, onLine))
        return {};
    return sink.take();
}

} // namespace drovan
