#pragma once

#include "chargefile/ByteStream.h"
#include "document/ChargeTable.h"
#include "document/CollectionDocument.h"

#include <functional>
#include <string>
#include <string_view>

namespace drovan {

// Receives every line the writer writes, without its line end (the submission wizard keeps
// them for the e-mail body).
using ChargeFileLineCallback = std::function<void(std::string_view line)>;

// Writes the charge file of a header and its charges: six header lines, one data line per row in
// table order, four trailer lines, each ended by CR LF. Rows are read by index, so the table's
// current row does not move. Returns false as soon as the sink refuses a write (or memory runs
// out); what was written before that stays in the sink.
[[nodiscard]] bool writeChargeFile(ByteSink &sink, const CollectionHeader &header,
                                   const ChargeTable &charges,
                                   const ChargeFileLineCallback &onLine = {});

// The same bytes as a string; empty only if memory ran out.
std::string chargeFileText(const CollectionHeader &header, const ChargeTable &charges,
                           const ChargeFileLineCallback &onLine = {});

} // namespace drovan
