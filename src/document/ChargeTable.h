#pragma once

#include "document/Currency.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drovan {

// One charge, as the dialogs and the reader build it and the table hands it back.
struct ChargeRecord {
    std::string Jurisdiction;
    std::string Folio_Number;
    std::string Name;
    Currency Payment_Amount;
    std::string Explanation;
    std::string Explanation_Note;
    std::string Explanation_Button;

    friend bool operator==(const ChargeRecord &, const ChargeRecord &) = default;
};

// Field widths; longer values are cut when stored.
struct ChargeWidths {
    static constexpr std::size_t Jurisdiction = 3;
    static constexpr std::size_t Folio_Number = 20;
    static constexpr std::size_t Name = 50;
    static constexpr std::size_t Explanation = 50;
    static constexpr std::size_t Explanation_Note = 50;
    static constexpr std::size_t Explanation_Button = 10;
};

// Rows in insertion order with a current row. Rows are stored inline at their fixed widths, so a
// million charges cost one allocation and no per-field heap blocks.
class ChargeTable {
public:
    std::size_t rowCount() const { return rows_.size(); }
    bool isEmpty() const { return rows_.empty(); }

    // Appends at the end; the new row becomes the current row.
    void append(const ChargeRecord &record);
    ChargeRecord row(std::size_t index) const;

    std::string_view jurisdiction(std::size_t index) const {
        return rows_[index].jurisdiction.view();
    }
    std::string_view folioNumber(std::size_t index) const { return rows_[index].folio.view(); }
    std::string_view name(std::size_t index) const { return rows_[index].name.view(); }
    Currency amount(std::size_t index) const { return Currency::fromUnits(rows_[index].amount); }
    std::string_view explanation(std::size_t index) const {
        return rows_[index].explanation.view();
    }
    std::string_view explanationNote(std::size_t index) const { return rows_[index].note.view(); }
    std::string_view explanationButton(std::size_t index) const {
        return rows_[index].button.view();
    }

    // No current row only while the table is empty.
    std::optional<std::size_t> currentRow() const;
    void setCurrentRow(std::size_t index);

    void replaceCurrent(const ChargeRecord &record);
    // After a delete the row that followed becomes current, or the new last row.
    void deleteCurrent();
    void clear();
    void reserve(std::size_t rows) { rows_.reserve(rows); }

private:
    template <std::size_t Width> struct FixedText {
        std::uint8_t length = 0;
        std::array<char, Width> bytes{};
        void assign(std::string_view text);
        std::string_view view() const { return {bytes.data(), length}; }
    };
    struct StoredRow {
        std::int64_t amount = 0;
        FixedText<ChargeWidths::Jurisdiction> jurisdiction;
        FixedText<ChargeWidths::Folio_Number> folio;
        FixedText<ChargeWidths::Name> name;
        FixedText<ChargeWidths::Explanation> explanation;
        FixedText<ChargeWidths::Explanation_Note> note;
        FixedText<ChargeWidths::Explanation_Button> button;
    };
    static void store(StoredRow &row, const ChargeRecord &record);

    std::vector<StoredRow> rows_;
    std::size_t current_ = 0;
};

} // namespace drovan
