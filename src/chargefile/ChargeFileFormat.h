#pragma once

#include <string_view>

namespace drovan::chargefile {

// The fixed header and trailer texts. Every one begins with a double quote, which is how a
// reader tells them from data lines; the prefixes that end in "= " are followed by a value.
inline constexpr std::string_view kRuleLine = "\"-------------------------------------------------";
inline constexpr std::string_view kRegionalDistrictKindLine =
    "\" Regional District Utility Charges";
inline constexpr std::string_view kMunicipalityKindLine = "\" Municipality Utility Charges";
inline constexpr std::string_view kRegionalDistrictCodePrefix = "\" Regional District Code = ";
inline constexpr std::string_view kMunicipalityCodePrefix = "\" Municipality Code = ";
inline constexpr std::string_view kRegionalDistrictNamePrefix = "\" Regional District Name = ";
inline constexpr std::string_view kMunicipalityNamePrefix = "\" Municipality Name = ";
inline constexpr std::string_view kTaxYearPrefix = "\" Charge Tax Year        = ";
inline constexpr std::string_view kTotalPrefix = "\"TOTAL CHARGES           = ";
inline constexpr std::string_view kCountPrefix = "\"TOTAL CHARGE AMOUNTS    = ";

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kFieldSeparator = ',';

// Readers compare these prefixes by length, so the lengths are part of the format.
static_assert(kRuleLine.size() == 50);
static_assert(kRegionalDistrictKindLine.size() == 35);
static_assert(kMunicipalityKindLine.size() == 30);
static_assert(kRegionalDistrictCodePrefix.size() == 27);
static_assert(kMunicipalityCodePrefix.size() == 22);
static_assert(kRegionalDistrictNamePrefix.size() == 27);
static_assert(kMunicipalityNamePrefix.size() == 22);
static_assert(kTaxYearPrefix.size() == 27);
static_assert(kTotalPrefix.size() == 27);
static_assert(kCountPrefix.size() == 27);

} // namespace drovan::chargefile
