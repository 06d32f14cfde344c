#pragma once

#include "document/BulkMemory.h"
#include "document/Currency.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// The same fields as views, for callers that hold the texts already (a bulk load).
struct ChargeView {
    std::string_view Jurisdiction;
    std::string_view Folio_Number;
    std::string_view Name;
    Currency Payment_Amount;
    std::string_view Explanation;
    std::string_view Explanation_Note;
    std::string_view Explanation_Button;
};

inline ChargeView viewOf(const ChargeRecord &r) {
    return ChargeView{r.Jurisdiction,      r.Folio_Number, r.Name,
                      r.Payment_Amount,    r.Explanation,  r.Explanation_Note,
                      r.Explanation_Button};
}

// Field widths; longer values are cut when stored.
struct ChargeWidths {
    static constexpr std::size_t Jurisdiction = 3;
    static constexpr std::size_t Folio_Number = 20;
    static constexpr std::size_t Name = 50;
    static constexpr std::size_t Explanation = 50;
    static constexpr std::size_t Explanation_Note = 50;
    static constexpr std::size_t Explanation_Button = 10;
};

// Rows in insertion order with a current row. A row is a small fixed entry; its texts sit
// together in large shared blocks, so a million charges cost a few big allocations and about a
// hundred bytes each.
class ChargeTable {
public:
    ChargeTable() = default;
    ChargeTable(const ChargeTable &other);
    ChargeTable &operator=(const ChargeTable &other);
    ChargeTable(ChargeTable &&) noexcept = default;
    ChargeTable &operator=(ChargeTable &&) noexcept = default;
    ~ChargeTable() = default;

    std::size_t rowCount() const { return rows_.size(); }
    bool isEmpty() const { return rows_.empty(); }

    // Appends at the end; the new row becomes the current row.
    void append(const ChargeRecord &record) { append(viewOf(record)); }
    void append(const ChargeView &charge);
    ChargeRecord row(std::size_t index) const;

    std::string_view jurisdiction(std::size_t index) const { return field(index, 0); }
    std::string_view folioNumber(std::size_t index) const { return field(index, 1); }
    std::string_view name(std::size_t index) const { return field(index, 2); }
    Currency amount(std::size_t index) const { return Currency::fromUnits(rows_[index].amount); }
    std::string_view explanation(std::size_t index) const { return field(index, 3); }
    std::string_view explanationNote(std::size_t index) const { return field(index, 4); }
    std::string_view explanationButton(std::size_t index) const { return field(index, 5); }

    // No current row only while the table is empty.
    std::optional<std::size_t> currentRow() const;
    void setCurrentRow(std::size_t index);

    void replaceCurrent(const ChargeRecord &record);
    // After a delete the row that followed becomes current, or the new last row.
    void deleteCurrent();
    void clear();
    void reserve(std::size_t rows) { rows_.reserve(rows); }

    // Bytes held for the rows and their texts, for the memory budget of big files.
    std::size_t memoryUsage() const;

private:
    static constexpr std::size_t kFields = 6;
    struct Row {
        std::int64_t amount = 0;
        std::uint32_t block = 0;
        std::uint32_t offset = 0;
        std::array<std::uint8_t, kFields> lengths{};
    };
    struct Block {
        explicit Block(std::size_t size)
            : bytes(static_cast<char *>(detail::allocateBulk(size))), capacity(size) {}
        Block(Block &&other) noexcept
            : bytes(std::exchange(other.bytes, nullptr)), capacity(other.capacity),
              used(other.used) {}
        Block &operator=(Block &&) = delete;
        ~Block() {
            if (bytes != nullptr)
                detail::freeBulk(bytes, capacity);
        }
        char *bytes = nullptr;
        std::size_t capacity = 0;
        std::size_t used = 0;
    };

    std::string_view field(std::size_t index, std::size_t which) const;
    Row store(const ChargeView &charge);
    char *reserveText(std::size_t size, std::uint32_t &block, std::uint32_t &offset);

    std::vector<Row, detail::BulkAllocator<Row>> rows_;
    std::vector<Block> blocks_;
    std::size_t current_ = 0;
};

} // namespace drovan
