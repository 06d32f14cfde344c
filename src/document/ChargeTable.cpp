#include "document/ChargeTable.h"

#include <algorithm>

namespace drovan {

template <std::size_t Width> void ChargeTable::FixedText<Width>::assign(std::string_view text) {
    static_assert(Width < 256);
    length = static_cast<std::uint8_t>(std::min(text.size(), Width));
    std::copy_n(text.data(), length, bytes.data());
}

void ChargeTable::store(StoredRow &row, const ChargeRecord &record) {
    row.amount = record.Payment_Amount.units();
    row.jurisdiction.assign(record.Jurisdiction);
    row.folio.assign(record.Folio_Number);
    row.name.assign(record.Name);
    row.explanation.assign(record.Explanation);
    row.note.assign(record.Explanation_Note);
    row.button.assign(record.Explanation_Button);
}

void ChargeTable::append(const ChargeRecord &record) {
    rows_.emplace_back();
    store(rows_.back(), record);
    current_ = rows_.size() - 1;
}

ChargeRecord ChargeTable::row(std::size_t index) const {
    const StoredRow &r = rows_.at(index);
    return ChargeRecord{std::string(r.jurisdiction.view()), std::string(r.folio.view()),
                        std::string(r.name.view()),         Currency::fromUnits(r.amount),
                        std::string(r.explanation.view()),  std::string(r.note.view()),
                        std::string(r.button.view())};
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
    if (!rows_.empty())
        store(rows_[current_], record);
}

void ChargeTable::deleteCurrent() {
    if (rows_.empty())
        return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ >= rows_.size() && current_ > 0)
        current_ = rows_.size() - 1;
}

void ChargeTable::clear() {
    rows_.clear();
    rows_.shrink_to_fit();
    current_ = 0;
}

} // namespace drovan
