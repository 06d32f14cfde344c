#pragma once

#include "chargefile/ByteStream.h"
#include "document/ChargeTable.h"
#include "document/CollectionDocument.h"
#include "document/Currency.h"
#include "document/Date.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace drovan {

// What the window shows when the file cannot be opened or read.
inline constexpr std::string_view kLoadFailedMessage = "ERROR in loading the file.";

struct ChargeFileReadOptions {
    // The document's kind, kept unless a header line sets it.
    DistrictKind kind = DistrictKind::RegionalDistrict;
    // For the default tax year when the file names none.
    Date today;
    // Called about every 64 KiB with the bytes read so far, and once at the end.
    std::function<void(std::uint64_t bytesRead)> progress;
};

struct ChargeFileLoad {
    // False when the source failed: then there are no rows and no messages, and the caller keeps
    // its document as it was.
    bool ok = false;
    CollectionHeader header;
    ChargeTable charges;
    CurrencySum total;
    // In the order they are shown, one message box each.
    std::vector<std::string> messages;
    // Lines not loaded because of their layout.
    std::size_t layoutErrors = 0;
};

// Reads a charge file, or any comma-separated file, leniently: header lines recognised by their
// line number, every other line a charge. A file that begins with a UTF-8 byte-order mark is
// converted to Windows-1252; any other file is taken as Windows-1252 bytes.
ChargeFileLoad readChargeFile(ByteSource &source, const ChargeFileReadOptions &options);

} // namespace drovan
