#pragma once

#include <string>
#include <string_view>

namespace drovan {

// The explanation type and note recovered from an explanation as written to a charge file.
struct ExplanationParts {
    std::string_view button; // "Garbage", "Sewer", "Water" or "Other"
    std::string note;

    friend bool operator==(const ExplanationParts &, const ExplanationParts &) = default;
};

// Looks for the upper-case type words in the order GARBAGE, SEWER, WATER (case-sensitive, so a
// note may change a charge's type on reloading). The explanation is trimmed first.
ExplanationParts explanationPartsOf(std::string_view explanation);

// The same into an existing note, reusing its storage (the reader calls it once per line).
std::string_view explanationPartsOf(std::string_view explanation, std::string &note);

} // namespace drovan
