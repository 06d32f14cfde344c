#include "document/ChargeTable.h"

#include <algorithm>
#include <cstring>

namespace drovan {
namespace {

constexpr std::array<std::size_t, 6> kWidths = {
    ChargeWidths::Jurisdiction, ChargeWidths::Folio_Number,     ChargeWidths::Name,
    ChargeWidths::Explanation,  ChargeWidths::Explanation_Note, ChargeWidths::Explanation_Button,
};
static_assert(ChargeWidths::Name < 256 && ChargeWidths::Explanation < 256);

// Blocks start small, so that a handful of charges costs little, and grow to a few megabytes.
constexpr std::size_t kFirstBlock = 16 * 1024;
constexpr std::size_t kLargestBlock = std::size_t{4} << 20;

} // namespace

ChargeTable::ChargeTable(const ChargeTable &other) : ChargeTable() {
    *this = other;
}

ChargeTable &ChargeTable::operator=(const ChargeTable &other) {
    if (this == &other)
        return *this;
    clear();
    rows_.reserve(other.rowCount());
    for (std::size_t i = 0; i < other.rowCount(); ++i)
        append(other.row(i));
    current_ = other.current_;
    return *this;
}

std::string_view ChargeTable::field(std::size_t index, std::size_t which) const {
    const Row &r = rows_[index];
    std::size_t start = r.offset;
    for (std::size_t i = 0; i < which; ++i)
        start += r.lengths[i];
    return {blocks_[r.block].bytes + start, r.lengths[which]};
}

char *ChargeTable::reserveText(std::size_t size, std::uint32_t &block, std::uint32_t &offset) {
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < size) {
        const std::size_t capacity =
            blocks_.empty() ? kFirstBlock : std::min(blocks_.back().capacity * 2, kLargestBlock);
        blocks_.emplace_back(capacity);
    }
    Block &last = blocks_.back();
    block = static_cast<std::uint32_t>(blocks_.size() - 1);
    offset = static_cast<std::uint32_t>(last.used);
    char *at = last.bytes + last.used;
    last.used += size;
    return at;
}

ChargeTable::Row ChargeTable::store(const ChargeView &charge) {
    const std::array<std::string_view, kFields> values = {
        charge.Jurisdiction, charge.Folio_Number,     charge.Name,
        charge.Explanation,  charge.Explanation_Note, charge.Explanation_Button,
    };
    Row row;
    row.amount = charge.Payment_Amount.units();
    std::size_t total = 0;
    for (std::size_t i = 0; i < kFields; ++i) {
        row.lengths[i] = static_cast<std::uint8_t>(std::min(values[i].size(), kWidths[i]));
        total += row.lengths[i];
    }
    char *at = reserveText(total, row.block, row.offset);
    for (std::size_t i = 0; i < kFields; ++i) {
        if (row.lengths[i] > 0)
            std::memcpy(at, values[i].data(), row.lengths[i]);
        at += row.lengths[i];
    }
    return row;
}

void ChargeTable::append(const ChargeView &charge) {
    rows_.push_back(store(charge));
    current_ = rows_.size() - 1;
}

ChargeRecord ChargeTable::row(std::size_t index) const {
    (void)rows_.at(index);
    return ChargeRecord{std::string(jurisdiction(index)),
                        std::string(folioNumber(index)),
                        std::string(name(index)),
                        amount(index),
                        std::string(explanation(index)),
                        std::string(explanationNote(index)),
                        std::string(explanationButton(index))};
}

std::optional<std::size_t> ChargeTable::currentRow() const {
    if (rows_.empty())
        return std::nullopt;
    return current_;
}

void ChargeTable::setCurrentRow(std::size_t index) {
    if (index < rows_.size())
        current_ = index;
}

void ChargeTable::replaceCurrent(const ChargeRecord &record) {
    // The old texts stay in their block unused: changes are few and made by hand.
    if (!rows_.empty())
        rows_[current_] = store(viewOf(record));
}

void ChargeTable::deleteCurrent() {
    if (rows_.empty())
        return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ >= rows_.size() && current_ > 0)
        current_ = rows_.size() - 1;
    if (rows_.empty())
        clear();
}

void ChargeTable::clear() {
    decltype(rows_)().swap(rows_);
    blocks_.clear();
    current_ = 0;
}

std::size_t ChargeTable::memoryUsage() const {
    std::size_t bytes = rows_.capacity() * sizeof(Row) + blocks_.capacity() * sizeof(Block);
    for (const Block &b : blocks_)
        bytes += b.capacity;
    return bytes;
}

} // namespace drovan
