#pragma once

#include "document/CollectionDocument.h"

#include <string>
#include <string_view>

namespace drovan {

// Normal is the status panel's own sky blue.
enum class LabelColour { Normal, Red, Yellow };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

constexpr Rgb rgbOf(LabelColour colour) {
    switch (colour) {
    case LabelColour::Red:
        return {255, 0, 0};
    case LabelColour::Yellow:
        return {255, 255, 0};
    case LabelColour::Normal:
        break;
    }
    return {166, 202, 240};
}

// What one status label shows: its background and the hint that appears when the mouse rests on
// it. A normal label has no hint.
struct LabelLook {
    LabelColour colour = LabelColour::Normal;
    std::string hint;
    bool showHint = false;
    friend bool operator==(const LabelLook &, const LabelLook &) = default;
};

enum class CodeNameCase { Consistent, Mismatch, NameNotOnList, CodeNotOnList, NeitherOnList };

// The looks of Label_Code_Text, Label_Code, Label_Name_Text and Label_Name.
struct CodeNameVerdict {
    CodeNameCase outcome = CodeNameCase::Consistent;
    LabelLook codeText;
    LabelLook code;
    LabelLook nameText;
    LabelLook name;
    friend bool operator==(const CodeNameVerdict &, const CodeNameVerdict &) = default;
};

// Compares the trimmed code and name with the trimmed codes and names of the kind's list. It only
// informs: a header that is not on the list may be a new district and is never refused.
CodeNameVerdict checkCodeAndName(DistrictKind kind, std::string_view code, std::string_view name);
CodeNameVerdict checkCodeAndName(const CollectionHeader &header);

} // namespace drovan
