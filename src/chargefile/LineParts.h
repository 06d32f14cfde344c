#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace drovan {

struct DataLineFields {
    // The line after RemoveCommasAndDoubleQuotes, which the layout messages quote.
    std::string_view cleaned;
    std::array<std::string_view, 5> fields;
    // Fewer than five fields, an empty one among the first four, or a comma left in the fifth.
    bool layoutProblem = false;
};

// Cleans a data line with RemoveCommasAndDoubleQuotes and splits it at its commas. The common line
// that has no double quote and no run of blanks only loses its trimmed ends, so it is split in
// place in one pass over eight bytes at a time; any other line is cleaned into `scratch` first.
void splitDataLine(std::string_view line, std::string &scratch, DataLineFields &out);

// FolioDisplay for a million lines. Each jurisdiction's layout is learnt once by asking
// FolioDisplay itself to lay out two sets of distinct placeholder characters (it puts any
// character into a digit position): a position that shows the same character both times is a
// pattern character, any other one shows which of the eighteen padded digits it takes.
class FolioDisplayCache {
public:
    // The same text as FolioDisplay(jurisdictionCode, folioDigits), into `out`.
    void display(std::string_view jurisdictionCode, std::string_view folioDigits, std::string &out);

    // True when a folio field already is its own display form: completing it to three decimals,
    // keeping its digits and laying them out again would give the same text. Saved files hold
    // nothing else, so a load can keep such a field as it is.
    bool isDisplayForm(std::string_view jurisdictionCode, std::string_view folio);

private:
    struct Layout {
        static constexpr std::size_t kMaxSize = 32;
        std::size_t size = 0;
        std::array<char, kMaxSize> literal{};
        std::array<std::int8_t, kMaxSize> digit{}; // -1 for a pattern character
    };
    // A layout, or none when FolioDisplay's answer did not fit the learning scheme.
    const Layout *layoutOf(std::string_view jurisdictionCode);

    std::unordered_map<std::uint32_t, Layout> layouts_;
    std::unordered_map<std::uint32_t, bool> unlearnable_;
    // The codes seen lately, so that most lines need no hashing.
    struct Recent {
        std::uint32_t key = 0;
        const Layout *layout = nullptr;
    };
    std::array<Recent, 64> recent_{};
};

} // namespace drovan
