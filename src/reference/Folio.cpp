#include "reference/Folio.h"

#include "document/Text.h"
#include "reference/ReferenceLists.h"

namespace drovan {
namespace {

constexpr std::size_t kFolioLength = 18;
constexpr std::string_view kZeroFill = "000000000000000000";
// A jurisdiction without a mask still gets a folio, as eighteen digits without a point.
constexpr std::string_view kDefaultPattern = "##################";

std::string paddedFolio(std::string_view folioDigits) {
    std::string padded(kZeroFill);
    padded += trimView(folioDigits);
    return padded.substr(padded.size() - kFolioLength);
}

} // namespace

bool FolioMaskFind(std::string_view jurisdictionCode, std::string &currentMask) {
    currentMask.clear();
    const std::string_view code = trimView(jurisdictionCode);
    if (code.size() != 3)
        return false;
    if (const auto row = findByCode(ReferenceList::FolioMask, code)) {
        currentMask = trimView(*row);
        return true;
    }
    return false;
}

std::string FolioDisplay(std::string_view jurisdictionCode, std::string_view folioDigits) {
    const std::string padded = paddedFolio(folioDigits);
    std::string currentMask;
    const std::string_view pattern = FolioMaskFind(jurisdictionCode, currentMask)
                                         ? folioPatternOfMaskRow(currentMask)
                                         : kDefaultPattern;

    std::string result(pattern.size(), ' ');
    std::size_t position = kFolioLength;
    for (std::size_t i = pattern.size(); i-- > 0;) {
        if (pattern[i] != '#') {
            result[i] = pattern[i];
        } else if (position > 0) {
            result[i] = padded[--position];
        } else {
            // No pattern has more than eighteen digit positions; a longer one would show zeros.
            result[i] = '0';
        }
    }
    return result;
}

std::string AddTrailingZeroes(std::string_view folio) {
    std::string text = trim(folio);
    if (text.empty())
        return text;
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return text + ".000";
    const std::size_t decimals = text.size() - point - 1;
    if (decimals == 1 || decimals == 2)
        text.append(3 - decimals, '0');
    return text;
}

std::string RemoveCommasAndDoubleQuotes(std::string_view line) {
    const std::string_view text = trimView(line);
    std::string result;
    result.reserve(text.size());
    bool insideQuotes = false;
    bool previousBlank = false;
    for (const char c : text) {
        if (c == '"')
            insideQuotes = !insideQuotes;
        else if (!(c == ',' && insideQuotes) && !(c == ' ' && previousBlank))
            result += c;
        // Judged on the line as read, so a blank after a dropped comma stays.
        previousBlank = c == ' ';
    }
    return result;
}

std::string DigitsOnly(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (isDigit(c))
            digits += c;
    }
    return digits;
}

} // namespace drovan
