#pragma once

#include "document/CollectionDocument.h"
#include "document/Date.h"

#include <string>
#include <string_view>
#include <vector>

namespace drovan {

// The years the tax year dialog offers, in order: the year before today's, today's and the next.
std::vector<std::string> offeredTaxYears(const Date &today);

// The worked example under the list. It always uses today's year and the one before, whatever the
// month, and has no full stop after its last year.
std::string taxYearNote(const Date &today);

// The text the list shows at opening: the header's year as it stands, even one that is not
// offered. With no year yet ("CCYY") it is the default tax year.
std::string taxYearAtOpening(std::string_view headerTaxYear, const Date &today);

// The OK rule: the text equals one of the offered rows exactly, with no trimming.
bool canConfirmTaxYear(std::string_view text, const std::vector<std::string> &rows);

// What OK writes: the year, and only when it differs from the header's.
struct TaxYearConfirmation {
    bool changed = false;
    std::string taxYear;
    friend bool operator==(const TaxYearConfirmation &, const TaxYearConfirmation &) = default;
};

TaxYearConfirmation confirmTaxYear(std::string_view headerTaxYear, std::string text);
void apply(CollectionDocument &document, const TaxYearConfirmation &confirmation);

} // namespace drovan
