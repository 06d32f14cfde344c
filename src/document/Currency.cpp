#include "document/Currency.h"

#include "document/Text.h"

#include <limits>

namespace drovan {
namespace {

constexpr std::int64_t kSplit = 1'000'000'000'000'000'000; // 10^18

// The absolute value of an amount in units, as decimal digits without leading zeros.
struct Magnitude {
    bool negative = false;
    std::string digits; // at least "0"
};

Magnitude magnitudeOf(std::int64_t units) {
    Magnitude m;
    m.negative = units < 0;
    const std::uint64_t abs =
        m.negative ? ~static_cast<std::uint64_t>(units) + 1 : static_cast<std::uint64_t>(units);
    m.digits = std::to_string(abs);
    return m;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string &digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Splits units into whole digits and exactly four decimal digits.
void splitUnits(const std::string &unitDigits, std::string &whole, std::string &decimals) {
    std::string padded = unitDigits;
    if (padded.size() < 5)
        padded.insert(0, 5 - padded.size(), '0');
    whole = padded.substr(0, padded.size() - 4);
    decimals = padded.substr(padded.size() - 4);
}

std::string groupDigits(const std::string &whole, std::string_view groupSep) {
    if (groupSep.empty())
        return whole;
    std::string out;
    const std::size_t n = whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(groupSep);
        out.push_back(whole[i]);
    }
    return out;
}

bool isAllZero(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

std::string formatPlain(const Magnitude &m, std::string_view decimalSep) {
    std::string whole;
    std::string decimals;
    splitUnits(m.digits, whole, decimals);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    std::string out;
    if (m.negative && !(isAllZero(whole) && decimals.empty()))
        out.push_back('-');
    out += whole;
    if (!decimals.empty()) {
        out.append(decimalSep);
        out += decimals;
    }
    return out;
}

std::string formatFixed2(const Magnitude &m, std::string_view decimalSep,
                         std::string_view groupSep) {
    std::string whole;
    std::string decimals;
    splitUnits(m.digits, whole, decimals);
    // Round the last two of the four decimals away, half to even.
    std::string cents = whole + decimals.substr(0, 2);
    const int rest = (decimals[2] - '0') * 10 + (decimals[3] - '0');
    const bool odd = (cents.back() - '0') % 2 == 1;
    if (rest > 50 || (rest == 50 && odd))
        incrementDigits(cents);
    whole = cents.substr(0, cents.size() - 2);
    const std::string twoDecimals = cents.substr(cents.size() - 2);
    std::string out;
    if (m.negative && !isAllZero(cents))
        out.push_back('-');
    out += groupDigits(whole, groupSep);
    out.append(decimalSep);
    out += twoDecimals;
    return out;
}

bool consume(std::string_view &text, std::string_view token) {
    if (token.empty() || !startsWith(text, token))
        return false;
    text.remove_prefix(token.size());
    return true;
}

} // namespace

std::optional<Currency> Currency::parse(std::string_view text, std::string_view decimalSep,
                                        std::string_view groupSep) {
    text = trimView(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Accumulate the magnitude in unsigned units; the range check at the end covers both signs.
    constexpr std::uint64_t kLimit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;
    std::uint64_t whole = 0;
    bool anyDigit = false;
    bool lastWasDigit = false;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            if (whole > kLimit / 10)
                return std::nullopt;
            whole = whole * 10 + static_cast<std::uint64_t>(text.front() - '0');
            if (whole > kLimit)
                return std::nullopt;
            anyDigit = lastWasDigit = true;
            text.remove_prefix(1);
        } else if (lastWasDigit && consume(text, groupSep)) {
            lastWasDigit = false;
            if (text.empty() || !isDigit(text.front()))
                return std::nullopt;
        } else {
            break;
        }
    }

    std::uint64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (consume(text, decimalSep)) {
        int firstDropped = -1;
        bool droppedNonZeroAfterFirst = false;
        while (!text.empty() && isDigit(text.front())) {
            const int d = text.front() - '0';
            if (fractionDigits < 4) {
                fraction = fraction * 10 + static_cast<std::uint64_t>(d);
                ++fractionDigits;
            } else if (firstDropped < 0) {
                firstDropped = d;
            } else if (d != 0) {
                droppedNonZeroAfterFirst = true;
            }
            anyDigit = true;
            text.remove_prefix(1);
        }
        while (fractionDigits < 4) {
            fraction *= 10;
            ++fractionDigits;
        }
        if (firstDropped > 5 || (firstDropped == 5 && droppedNonZeroAfterFirst))
            roundUp = true;
        else if (firstDropped == 5)
            roundUp = fraction % 2 == 1;
    }
    if (!anyDigit || !text.empty())
        return std::nullopt;

    if (whole > kLimit / kUnitsPerWhole)
        return std::nullopt;
    std::uint64_t units = whole * kUnitsPerWhole + fraction + (roundUp ? 1 : 0);
    if (units > kLimit || (!negative && units == kLimit))
        return std::nullopt;
    if (negative)
        return fromUnits(units == kLimit ? std::numeric_limits<std::int64_t>::min()
                                         : -static_cast<std::int64_t>(units));
    return fromUnits(static_cast<std::int64_t>(units));
}

std::string Currency::toPlain(std::string_view decimalSep) const {
    return formatPlain(magnitudeOf(units_), decimalSep);
}

std::string Currency::toFixed2(std::string_view decimalSep) const {
    return formatFixed2(magnitudeOf(units_), decimalSep, {});
}

std::string Currency::toDisplay(std::string_view decimalSep, std::string_view groupSep) const {
    return formatFixed2(magnitudeOf(units_), decimalSep, groupSep);
}

Currency Currency::roundedToCents() const {
    std::int64_t cents = units_ / 100;
    std::int64_t rest = units_ % 100; // same sign as units_
    if (rest < 0) {
        rest += 100;
        cents -= 1;
    }
    if (rest > 50 || (rest == 50 && (cents % 2 != 0)))
        cents += 1;
    return fromUnits(cents * 100);
}

void CurrencySum::add(Currency amount) {
    const std::int64_t units = amount.units();
    std::int64_t high = units / kSplit;
    std::int64_t low = units % kSplit;
    if (low < 0) {
        low += kSplit;
        high -= 1;
    }
    low_ += low;
    if (low_ >= kSplit) {
        low_ -= kSplit;
        high += 1;
    }
    high_ += high;
}

void CurrencySum::subtract(Currency amount) {
    const std::int64_t units = amount.units();
    std::int64_t high = units / kSplit;
    std::int64_t low = units % kSplit;
    if (low < 0) {
        low += kSplit;
        high -= 1;
    }
    low_ -= low;
    if (low_ < 0) {
        low_ += kSplit;
        high += 1;
    }
    high_ -= high;
}

namespace {

Magnitude magnitudeOfSum(std::int64_t high, std::int64_t low) {
    Magnitude m;
    if (high >= 0) {
        m.digits = high == 0 ? std::to_string(low) : std::to_string(high);
        if (high != 0) {
            std::string lowDigits = std::to_string(low);
            m.digits += std::string(18 - lowDigits.size(), '0') + lowDigits;
        }
        return m;
    }
    // -(high * 10^18 + low) = (-high - 1) * 10^18 + (10^18 - low), or (-high) * 10^18 if low == 0.
    m.negative = true;
    std::int64_t absHigh = low == 0 ? -high : -high - 1;
    std::int64_t absLow = low == 0 ? 0 : kSplit - low;
    if (absHigh == 0) {
        m.digits = std::to_string(absLow);
    } else {
        std::string lowDigits = std::to_string(absLow);
        m.digits = std::to_string(absHigh) + std::string(18 - lowDigits.size(), '0') + lowDigits;
    }
    return m;
}

} // namespace

std::string CurrencySum::toPlain(std::string_view decimalSep) const {
    return formatPlain(magnitudeOfSum(high_, low_), decimalSep);
}

std::string CurrencySum::toFixed2(std::string_view decimalSep) const {
    return formatFixed2(magnitudeOfSum(high_, low_), decimalSep, {});
}

std::string CurrencySum::toDisplay(std::string_view decimalSep, std::string_view groupSep) const {
    return formatFixed2(magnitudeOfSum(high_, low_), decimalSep, groupSep);
}

} // namespace drovan
