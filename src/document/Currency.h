#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drovan {

// An exact amount: a count of ten-thousandths. Never converted through floating point.
class Currency {
public:
    static constexpr std::int64_t kUnitsPerWhole = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t units) {
        Currency c;
        c.units_ = units;
        return c;
    }
    static constexpr Currency fromWhole(std::int64_t whole, std::int64_t hundredths = 0) {
        return fromUnits(whole * kUnitsPerWhole + hundredths * 100);
    }

    constexpr std::int64_t units() const { return units_; }
    constexpr bool isZero() const { return units_ == 0; }

    // Optional blanks (code 32 or below) around an optional sign, digits, and optionally the
    // decimal separator and more digits; at least one digit. Group separators are accepted in the
    // whole part only when one is given. More than four decimals round half to even. Nothing
    // else (no exponent, no currency sign) is a number. Out of range gives no value.
    static std::optional<Currency> parse(std::string_view text, std::string_view decimalSep = ".",
                                         std::string_view groupSep = {});

    // General form: no group separators, no trailing zeros, no separator for whole values
    // ("1234.5", "7", "0").
    std::string toPlain(std::string_view decimalSep = ".") const;
    // Exactly two decimals, rounded half to even, no group separators ("1234.50").
    std::string toFixed2(std::string_view decimalSep = ".") const;
    // Exactly two decimals with group separators ("1,234.50").
    std::string toDisplay(std::string_view decimalSep, std::string_view groupSep) const;

    // Rounded to whole cents, half to even.
    Currency roundedToCents() const;

    friend constexpr bool operator==(Currency a, Currency b) { return a.units_ == b.units_; }
    friend constexpr bool operator<(Currency a, Currency b) { return a.units_ < b.units_; }

private:
    std::int64_t units_ = 0;
};

// A sum of any number of amounts, exact beyond the range of one Currency, so that no total a
// charge file can produce overflows.
class CurrencySum {
public:
    void add(Currency amount);
    void subtract(Currency amount);
    void reset() { high_ = low_ = 0; }
    bool isZero() const { return high_ == 0 && low_ == 0; }

    std::string toPlain(std::string_view decimalSep = ".") const;
    std::string toFixed2(std::string_view decimalSep = ".") const;
    std::string toDisplay(std::string_view decimalSep, std::string_view groupSep) const;

    friend bool operator==(const CurrencySum &, const CurrencySum &) = default;

private:
    // value = high_ * 10^18 + low_, with 0 <= low_ < 10^18.
    std::int64_t high_ = 0;
    std::int64_t low_ = 0;
};

} // namespace drovan
