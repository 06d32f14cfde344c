#include "chargefile/LineParts.h"

#include "document/Text.h"
#include "reference/Folio.h"

#include <bit>
#include <cstring>

namespace drovan {
namespace {

constexpr std::size_t kFolioDigits = 18;
constexpr std::string_view kProbeUpper = "ABCDEFGHIJKLMNOPQR";
constexpr std::string_view kProbeLower = "abcdefghijklmnopqr";
static_assert(kProbeUpper.size() == kFolioDigits && kProbeLower.size() == kFolioDigits);

// Codes of up to three bytes (all the reader passes) packed with their length; longer codes are
// not cached. A junk file cannot grow the cache beyond this many codes.
constexpr std::size_t kMaxCachedCodes = 4096;

bool packCode(std::string_view code, std::uint32_t &key) {
    if (code.size() > 3)
        return false;
    key = static_cast<std::uint32_t>(code.size()) << 24;
    for (std::size_t i = 0; i < code.size(); ++i)
        key |= static_cast<std::uint32_t>(static_cast<unsigned char>(code[i])) << (8 * i);
    return true;
}

} // namespace

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7F;

// The high bit of every byte of `word` that equals `c`, and no other bit.
constexpr std::uint64_t bytesEqual(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (kEveryByte * static_cast<unsigned char>(c));
    return ~(((x & kLowBits) + kLowBits) | x) & kHighBits;
}

// The `count` (at most eight) bytes at `offset` of `text`, the first in the lowest bits; missing
// bytes are zero, which matches nothing searched for. A short last word is read as the text's
// last eight bytes shifted down, so it costs no byte-by-byte copy.
std::uint64_t loadWord(std::string_view text, std::size_t offset, std::size_t count) {
    if constexpr (std::endian::native == std::endian::little) {
        if (text.size() >= 8) {
            std::uint64_t word = 0;
            if (count == 8) {
                std::memcpy(&word, text.data() + offset, 8);
                return word;
            }
            std::memcpy(&word, text.data() + text.size() - 8, 8);
            return word >> (8 * (8 - count));
        }
    }
    std::uint64_t word = 0;
    for (std::size_t i = count; i-- > 0;)
        word = (word << 8) | static_cast<unsigned char>(text[offset + i]);
    return word;
}

// Splits an already cleaned line: four fields that end at a comma which is not their first
// character, and the rest, which must hold no comma.
void splitAtCommas(std::string_view rest, DataLineFields &out) {
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos || comma == 0) {
            out.layoutProblem = true;
            return;
        }
        out.fields[i] = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
    }
    out.fields[4] = rest;
    out.layoutProblem = rest.find(',') != std::string_view::npos;
}

} // namespace

void splitDataLine(std::string_view line, std::string &scratch, DataLineFields &out) {
    const std::string_view trimmed = trimView(line);
    const std::size_t size = trimmed.size();

    // The first five commas, and whether the line holds a quote or two blanks in a row.
    std::array<std::size_t, 5> commas{};
    std::size_t commaCount = 0;
    std::uint64_t previousBlank = 0;
    bool needsCleaning = false;
    for (std::size_t offset = 0; offset < size && !needsCleaning; offset += 8) {
        const std::size_t count = size - offset < 8 ? size - offset : 8;
        const std::uint64_t word = loadWord(trimmed, offset, count);
        const std::uint64_t blanks = bytesEqual(word, ' ');
        needsCleaning = (bytesEqual(word, '"') | (blanks & ((blanks << 8) | previousBlank))) != 0;
        previousBlank = (blanks >> 63) << 7;
        for (std::uint64_t found = bytesEqual(word, ','); found != 0 && commaCount < commas.size();
             found &= found - 1)
            commas[commaCount++] = offset + static_cast<std::size_t>(std::countr_zero(found)) / 8;
    }
    if (needsCleaning) {
        scratch = RemoveCommasAndDoubleQuotes(line);
        out.cleaned = scratch;
        splitAtCommas(out.cleaned, out);
        return;
    }

    out.cleaned = trimmed;
    out.layoutProblem = commaCount != 4;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < 4 && !out.layoutProblem; ++i) {
        out.layoutProblem = commas[i] == begin;
        out.fields[i] = trimmed.substr(begin, commas[i] - begin);
        begin = commas[i] + 1;
    }
    out.fields[4] = trimmed.substr(begin < size ? begin : size);
}

const FolioDisplayCache::Layout *FolioDisplayCache::layoutOf(std::string_view jurisdictionCode) {
    std::uint32_t key = 0;
    if (!packCode(jurisdictionCode, key))
        return nullptr;
    Recent &recent = recent_[(key ^ (key >> 8) ^ (key >> 16)) % recent_.size()];
    if (recent.layout != nullptr && recent.key == key)
        return recent.layout;
    if (const auto found = layouts_.find(key); found != layouts_.end()) {
        recent = Recent{key, &found->second};
        return recent.layout;
    }
    if (unlearnable_.contains(key) || layouts_.size() + unlearnable_.size() >= kMaxCachedCodes)
        return nullptr;

    const std::string upper = FolioDisplay(jurisdictionCode, kProbeUpper);
    const std::string lower = FolioDisplay(jurisdictionCode, kProbeLower);
    Layout layout;
    bool learnt = upper.size() == lower.size() && upper.size() <= Layout::kMaxSize;
    for (std::size_t i = 0; learnt && i < upper.size(); ++i) {
        layout.literal[i] = upper[i];
        layout.digit[i] = -1;
        if (upper[i] == lower[i])
            continue;
        const std::size_t index = kProbeUpper.find(upper[i]);
        learnt = index != std::string_view::npos && lower[i] == kProbeLower[index];
        layout.digit[i] = static_cast<std::int8_t>(index);
    }
    if (!learnt) {
        unlearnable_.emplace(key, true);
        return nullptr;
    }
    layout.size = upper.size();
    // Map nodes stay put, so the remembered pointers stay valid as the map grows.
    recent = Recent{key, &layouts_.emplace(key, layout).first->second};
    return recent.layout;
}

bool FolioDisplayCache::isDisplayForm(std::string_view jurisdictionCode, std::string_view folio) {
    const Layout *layout = layoutOf(jurisdictionCode);
    if (layout == nullptr || folio.size() != layout->size)
        return false;
    // Completion changes a text without a full stop, or with fewer than three characters after
    // its first one.
    const std::size_t stop = folio.find('.');
    if (stop == std::string_view::npos || folio.size() - stop - 1 < 3)
        return false;
    std::size_t digitPositions = 0;
    for (std::size_t i = 0; i < layout->size; ++i) {
        if (layout->digit[i] < 0) {
            // A pattern character must not be a digit, or keeping the digits would take it too.
            if (folio[i] != layout->literal[i] || isDigit(folio[i]))
                return false;
        } else {
            if (!isDigit(folio[i]))
                return false;
            ++digitPositions;
        }
    }
    // The digit positions must take the last padded digits in order, which is what a layout of
    // FolioDisplay does; eighteen at most.
    return digitPositions <= kFolioDigits;
}

void FolioDisplayCache::display(std::string_view jurisdictionCode, std::string_view folioDigits,
                                std::string &out) {
    const Layout *layout = layoutOf(jurisdictionCode);
    if (layout == nullptr) {
        out = FolioDisplay(jurisdictionCode, folioDigits);
        return;
    }
    // The digits filled on the left with zeros to eighteen, keeping the last eighteen.
    const std::string_view digits = trimView(folioDigits);
    const std::size_t kept = digits.size() < kFolioDigits ? digits.size() : kFolioDigits;
    const std::string_view tail = digits.substr(digits.size() - kept);
    const std::size_t zeros = kFolioDigits - kept;
    out.resize(layout->size);
    for (std::size_t i = 0; i < layout->size; ++i) {
        const int index = layout->digit[i];
        if (index < 0)
            out[i] = layout->literal[i];
        else
            out[i] = static_cast<std::size_t>(index) < zeros
                         ? '0'
                         : tail[static_cast<std::size_t>(index) - zeros];
    }
}

} // namespace drovan
