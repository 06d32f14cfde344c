#include "chargefile/ChargeFileWriter.h"

#include "chargefile/ChargeFileFormat.h"
#include "document/Currency.h"

namespace drovan {
namespace {

using namespace chargefile;

// Lines are gathered into chunks of this size so that a big file costs few sink writes.
constexpr std::size_t kChunkSize = 64 * 1024;

class LineWriter {
public:
    LineWriter(ByteSink &sink, const ChargeFileLineCallback &onLine)
        : sink_(sink), onLine_(onLine) {
        chunk_.reserve(kChunkSize + 512);
    }

    bool emit(std::string_view line) {
        if (onLine_)
            onLine_(line);
        chunk_.append(line);
        chunk_.append(kLineEnd);
        return chunk_.size() < kChunkSize || flush();
    }

    bool emit(std::string_view prefix, std::string_view value) {
        line_.assign(prefix);
        line_.append(value);
        return emit(line_);
    }

    bool flush() {
        if (chunk_.empty())
            return true;
        const bool written = sink_.write(chunk_);
        chunk_.clear();
        return written;
    }

private:
    ByteSink &sink_;
    const ChargeFileLineCallback &onLine_;
    std::string chunk_;
    std::string line_;
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
    std::string line;
    const std::size_t count = charges.rowCount();
    for (std::size_t i = 0; i < count; ++i) {
        const Currency amount = charges.amount(i);
        total.add(amount);
        line.assign(charges.jurisdiction(i));
        line.push_back(kFieldSeparator);
        line.append(charges.folioNumber(i));
        line.push_back(kFieldSeparator);
        line.append(charges.name(i));
        line.push_back(kFieldSeparator);
        line.append(amount.toFixed2());
        line.push_back(kFieldSeparator);
        line.append(charges.explanation(i));
        if (!out.emit(line))
            return false;
    }

    return out.emit(kRuleLine) && out.emit(kTotalPrefix, total.toFixed2()) &&
           out.emit(kCountPrefix, std::to_string(count)) && out.emit(kRuleLine) && out.flush();
}

} // namespace

bool writeChargeFile(ByteSink &sink, const CollectionHeader &header, const ChargeTable &charges,
                     const ChargeFileLineCallback &onLine) {
    LineWriter out(sink, onLine);
    return writeLines(out, header, charges);
}

std::string chargeFileText(const CollectionHeader &header, const ChargeTable &charges,
                           const ChargeFileLineCallback &onLine) {
    StringByteSink sink;
    // A string sink never refuses a write.
    static_cast<void>(writeChargeFile(sink, header, charges, onLine));
    return sink.take();
}

} // namespace drovan
