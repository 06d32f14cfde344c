#pragma once

#include <string>
#include <string_view>

namespace drovan {

// Folio numbers are kept in their display form: the digits laid into the jurisdiction's pattern.
// None of these fails: any text, however malformed, gives a result.

// Empties the current mask, then sets it to the trimmed mask row of the trimmed three-character
// jurisdiction code. False, with the mask left empty, for any other length or an unknown code.
// The current mask is the caller's, so that no lookup leaks into another window.
bool FolioMaskFind(std::string_view jurisdictionCode, std::string &currentMask);

// The trimmed digits, filled on the left with zeros to eighteen and cut to their last eighteen,
// laid into the jurisdiction's pattern from the right; eighteen plain digit positions when the
// jurisdiction has no mask. Any character counts as a digit here: callers pass digits only.
std::string FolioDisplay(std::string_view jurisdictionCode, std::string_view folioDigits);

// Completes the decimals of a trimmed folio to three: "12345" gives "12345.000", "12345.6" gives
// "12345.600". Three or more decimals, or a full stop at the end, leave the trimmed text as is.
std::string AddTrailingZeroes(std::string_view folio);

// Cleans one charge file line before it is split at commas: drops every double quote, the commas
// between quotes and every blank that follows a blank of the trimmed line.
std::string RemoveCommasAndDoubleQuotes(std::string_view line);

// The characters 0 to 9 of the text, in their order.
std::string DigitsOnly(std::string_view text);

} // namespace drovan
