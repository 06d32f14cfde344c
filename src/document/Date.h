#pragma once

#include <string>

namespace drovan {

// A calendar date as the local clock gives it; the program never reads the clock itself.
struct Date {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    friend bool operator==(const Date &, const Date &) = default;
};

// The tax year a new collection starts with: this year from April on, the previous year before.
inline std::string defaultTaxYear(const Date &today) {
    return std::to_string(today.month >= 4 ? today.year : today.year - 1);
}

} // namespace drovan
