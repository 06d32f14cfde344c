#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace drovan {

// The six fixed lists of the program. Rows are kept exactly as the lists always held them,
// trailing blanks included: the identity dialog compares whole rows and cuts names untrimmed.
enum class ReferenceList {
    RegionalDistrict,
    Municipality,
    CollectionDistrict,
    Jurisdiction,
    CdJurCombination,
    FolioMask
};

// Every row of a list, in list order.
std::span<const std::string_view> rows(ReferenceList list);
std::size_t rowCount(ReferenceList list);

// 2 for the regional district, collection district and pair lists, 3 for the others. A pair row's
// code is its collection district.
std::size_t codeWidth(ReferenceList list);

// The first two or three characters of the row (fewer when the row is shorter).
std::string_view codeOfRow(ReferenceList list, std::string_view row);

// At most 80 characters after the code and its blank, untrimmed; empty when the row is shorter.
std::string_view nameOfRow(ReferenceList list, std::string_view row);

// Characters 4-6 of a pair row.
std::string_view jurisdictionOfPairRow(std::string_view pairRow);

// Characters 8-27 of a mask row, trimmed.
std::string_view folioPatternOfMaskRow(std::string_view maskRow);

// The first row whose code characters equal the code exactly: no trimming, case-sensitive.
std::optional<std::string_view> findByCode(ReferenceList list, std::string_view code);

// The whole jurisdiction rows paired with the collection district named by the first two
// characters of the text, in pair-list order. Empty for a code no pair has, a single character
// or an empty text.
std::vector<std::string_view>
jurisdictionsOfCollectionDistrict(std::string_view collectionDistrictText);

// The whole collection district row of the jurisdiction named by the first three characters of
// the text (a code or a whole jurisdiction row); nothing when no pair names it.
std::optional<std::string_view> collectionDistrictOfJurisdiction(std::string_view jurisdictionText);

} // namespace drovan
