#include "entry/TaxYearChoice.h"

#include <algorithm>

namespace drovan {

std::vector<std::string> offeredTaxYears(const Date &today) {
    return {std::to_string(today.year - 1), std::to_string(today.year),
            std::to_string(today.year + 1)};
}

std::string taxYearNote(const Date &today) {
    const std::string year = std::to_string(today.year);
    const std::string previous = std::to_string(today.year - 1);
    return "For example if today's date was January 15th, " + year +
           ", you are then submitting utility debt entries that were due and payable on or before "
           "the 31st day of December " +
           previous + ", and which remain unpaid on the 31st day of December " + previous +
           ". Then tax year would be " + previous;
}

std::string taxYearAtOpening(std::string_view headerTaxYear, const Date &today) {
    if (headerTaxYear != kNoTaxYear)
        return std::string(headerTaxYear);
    const std::vector<std::string> offered = offeredTaxYears(today);
    const std::string defaultYear = defaultTaxYear(today);
    // The default is this year or the last, so it is always offered; should it ever not be, the
    // list shows its last row, the next year.
    const bool offeredDefault =
        std::find(offered.begin(), offered.end(), defaultYear) != offered.end();
    return offeredDefault ? defaultYear : offered.back();
}

bool canConfirmTaxYear(std::string_view text, const std::vector<std::string> &rows) {
    return std::find(rows.begin(), rows.end(), text) != rows.end();
}

TaxYearConfirmation confirmTaxYear(std::string_view headerTaxYear, std::string text) {
    const bool changed = headerTaxYear != text;
    return {changed, std::move(text)};
}

void apply(CollectionDocument &document, const TaxYearConfirmation &confirmation) {
    if (!confirmation.changed)
        return;
    document.markUnsaved();
    document.setTaxYear(confirmation.taxYear);
}

} // namespace drovan
