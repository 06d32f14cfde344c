#include "chargefile/Explanation.h"

#include "document/Text.h"

#include <array>

namespace drovan {
namespace {

struct TypeWord {
    std::string_view keyword;
    std::string_view button;
};

constexpr std::array<TypeWord, 3> kTypeWords = {{
    {"GARBAGE", "Garbage"},
    {"SEWER", "Sewer"},
    {"WATER", "Water"},
}};

constexpr std::string_view kOther = "Other";

} // namespace

std::string_view explanationPartsOf(std::string_view explanation, std::string &note) {
    const std::string_view text = trimView(explanation);
    for (const TypeWord &word : kTypeWords) {
        const std::size_t at = text.find(word.keyword);
        if (at == std::string_view::npos)
            continue;
        if (text.size() == word.keyword.size()) {
            note.clear();
        } else if (text.ends_with(word.keyword)) {
            note.assign(trimView(text.substr(0, text.size() - word.keyword.size())));
        } else {
            // The joining blank stays even when nothing stands before the keyword.
            note.assign(trimView(text.substr(0, at)));
            note.push_back(' ');
            note.append(trimView(text.substr(at + word.keyword.size())));
        }
        return word.button;
    }
    note.assign(text);
    return kOther;
}

ExplanationParts explanationPartsOf(std::string_view explanation) {
    ExplanationParts parts;
    parts.button = explanationPartsOf(explanation, parts.note);
    return parts;
}

} // namespace drovan
