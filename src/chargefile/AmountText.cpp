#include "chargefile/AmountText.h"

#include <charconv>
#include <cstdint>

namespace drovan {

char *writeFixed2(char *out, Currency amount) {
    // Round the magnitude, as toFixed2 does, so that -0.005 and 0.005 both show as 0.00.
    const std::int64_t units = amount.units();
    const bool negative = units < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(units) + 1 : static_cast<std::uint64_t>(units);
    std::uint64_t cents = magnitude / 100;
    const std::uint64_t rest = magnitude % 100;
    if (rest > 50 || (rest == 50 && cents % 2 == 1))
        ++cents;

    if (negative && cents != 0)
        *out++ = '-';
    out = std::to_chars(out, out + kMaxFixed2Length, cents / 100).ptr;
    const auto hundredths = static_cast<unsigned>(cents % 100);
    *out++ = '.';
    *out++ = static_cast<char>('0' + hundredths / 10);
    *out++ = static_cast<char>('0' + hundredths % 10);
    return out;
}

void appendFixed2(std::string &out, Currency amount) {
    char buffer[kMaxFixed2Length];
    out.append(buffer, writeFixed2(buffer, amount));
}

} // namespace drovan
