#pragma once

#include "document/CollectionDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace drovan {

// Each group of the identity dialog either takes a row of its list or, with its override box
// checked, a code and a name typed by hand.
enum class ChoiceMode { List, Manual };

// What the identity dialog shows when it opens. The group of the header's kind is set wholly;
// the other group keeps its list text, override box and mode, and of the four code and name
// fields only those given here change.
struct DistrictOpening {
    DistrictKind kind = DistrictKind::RegionalDistrict;
    // The header's code, a blank and its name equal a whole row of the kind's list.
    bool rowFound = false;
    ChoiceMode mode = ChoiceMode::List;
    std::string listText;
    std::optional<std::string> regionalDistrictCode;
    std::optional<std::string> regionalDistrictName;
    std::optional<std::string> municipalityCode;
    std::optional<std::string> municipalityName;

    bool overrideChecked() const { return mode == ChoiceMode::Manual; }
    friend bool operator==(const DistrictOpening &, const DistrictOpening &) = default;
};

DistrictOpening openDistrictChoice(DistrictKind kind, std::string_view code, std::string_view name);
DistrictOpening openDistrictChoice(const CollectionHeader &header);

struct CodeAndName {
    std::string code;
    std::string name;
    friend bool operator==(const CodeAndName &, const CodeAndName &) = default;
};

// The code and name fields that a list text fills, whether picked or typed: its code characters
// and up to 80 characters after the code's blank, untrimmed, so a row's trailing blank stays.
CodeAndName splitListText(DistrictKind kind, std::string_view listText);

// The text equals a non-blank row of the kind's list exactly, trailing blanks included.
bool isDistrictRow(DistrictKind kind, std::string_view text);

// The OK rule for the group of the checked kind. A field of blanks counts as filled: it is
// trimmed only when the user leaves it.
bool canConfirmDistrict(DistrictKind kind, ChoiceMode mode, std::string_view listText,
                        std::string_view code, std::string_view name);

// What OK writes: the checked kind with its group's code and name fields, untrimmed.
struct DistrictConfirmation {
    DistrictKind kind = DistrictKind::RegionalDistrict;
    std::string code;
    std::string name;
    // Only a different code or name is a change; the kind alone is not.
    bool marksUnsaved = false;
    friend bool operator==(const DistrictConfirmation &, const DistrictConfirmation &) = default;
};

DistrictConfirmation confirmDistrict(const CollectionHeader &header, DistrictKind kind,
                                     std::string code, std::string name);
void apply(CollectionDocument &document, const DistrictConfirmation &confirmation);

} // namespace drovan
