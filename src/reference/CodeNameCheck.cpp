#include "reference/CodeNameCheck.h"

#include "document/Text.h"
#include "reference/ReferenceLists.h"

namespace drovan {
namespace {

// The wordings differ between cases and kinds ("Regional Code", "Municipal", "match with"); each
// is kept as users have always seen it.
struct Messages {
    std::string_view codeMismatch;   // A
    std::string_view nameMismatch;   // B
    std::string_view nameNotOnList;  // C
    std::string_view codeNotOnList;  // D
    std::string_view pleaseSelect;   // E
    std::string_view notOnValidList; // F
};

constexpr Messages kRegionalDistrictMessages{
    "ERROR: The Regional District Code does NOT match with the Regional District Name!",
    "ERROR: The Regional District Name does NOT match with the Regional District Code!",
    "CAUTION: The Regional Name does NOT match the Code!",
    "ERROR: The Regional Code does NOT match the Regional Name!",
    "Please Select the Regional District",
    "Note: This Regional District is not on the valid list. If this is a new Regional District "
    "this may be OK. Please verify that the Regional District is OK.",
};

constexpr Messages kMunicipalityMessages{
    "ERROR: The Municipality Code does NOT match with the Municipality Name!",
    "ERROR: The Municipality Name does NOT match with the Municipality Code!",
    "CAUTION: The Municipal Name does NOT match the Code!",
    "ERROR: The Municipal Code does NOT match the Municipal Name!",
    "Please Select the Municipality",
    "Note: This Municipality is not on the valid list. If this is a new Municipality this may be "
    "OK. Please verify that the Municipality is OK.",
};

LabelLook hinted(LabelColour colour, std::string_view message) {
    return {colour, std::string(message), true};
}

// Caption and value labels share one look, except for an empty value: only the value label
// then asks for a selection.
void setPair(LabelLook &caption, LabelLook &value, LabelColour colour, std::string_view message) {
    caption = hinted(colour, message);
    value = hinted(colour, message);
}

void setNotOnList(LabelLook &caption, LabelLook &value, bool empty, const Messages &messages) {
    if (empty) {
        caption = {LabelColour::Red, {}, false};
        value = hinted(LabelColour::Red, messages.pleaseSelect);
    } else {
        setPair(caption, value, LabelColour::Yellow, messages.notOnValidList);
    }
}

} // namespace

CodeNameVerdict checkCodeAndName(DistrictKind kind, std::string_view code, std::string_view name) {
    const std::string_view wantedCode = trimView(code);
    const std::string_view wantedName = trimView(name);
    const ReferenceList list = kind == DistrictKind::RegionalDistrict
                                   ? ReferenceList::RegionalDistrict
                                   : ReferenceList::Municipality;
    const Messages &messages =
        kind == DistrictKind::RegionalDistrict ? kRegionalDistrictMessages : kMunicipalityMessages;

    bool codeFound = false;
    bool nameFound = false;
    std::string_view nameOfCode;
    std::string_view codeOfName;
    for (std::string_view row : rows(list)) {
        if (trimView(row).empty())
            continue;
        const std::string_view rowCode = trimView(codeOfRow(list, row));
        const std::string_view rowName = trimView(nameOfRow(list, row));
        if (rowCode == wantedCode) {
            codeFound = true;
            nameOfCode = rowName;
        }
        if (rowName == wantedName) {
            nameFound = true;
            codeOfName = rowCode;
        }
    }

    CodeNameVerdict verdict;
    if (codeFound && nameFound) {
        if (codeOfName == wantedCode && nameOfCode == wantedName) {
            verdict.outcome = CodeNameCase::Consistent;
        } else {
            verdict.outcome = CodeNameCase::Mismatch;
            setPair(verdict.codeText, verdict.code, LabelColour::Red, messages.codeMismatch);
            setPair(verdict.nameText, verdict.name, LabelColour::Red, messages.nameMismatch);
        }
    } else if (codeFound) {
        verdict.outcome = CodeNameCase::NameNotOnList;
        setPair(verdict.nameText, verdict.name, LabelColour::Yellow, messages.nameNotOnList);
    } else if (nameFound) {
        verdict.outcome = CodeNameCase::CodeNotOnList;
        setPair(verdict.codeText, verdict.code, LabelColour::Red, messages.codeNotOnList);
    } else {
        verdict.outcome = CodeNameCase::NeitherOnList;
        setNotOnList(verdict.codeText, verdict.code, wantedCode.empty(), messages);
        setNotOnList(verdict.nameText, verdict.name, wantedName.empty(), messages);
    }
    return verdict;
}

CodeNameVerdict checkCodeAndName(const CollectionHeader &header) {
    return checkCodeAndName(header.kind(), header.code, header.name);
}

} // namespace drovan
