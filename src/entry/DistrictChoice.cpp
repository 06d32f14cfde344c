#include "entry/DistrictChoice.h"

#include "document/Text.h"
#include "reference/ReferenceLists.h"

namespace drovan {
namespace {

ReferenceList listOf(DistrictKind kind) {
    return kind == DistrictKind::RegionalDistrict ? ReferenceList::RegionalDistrict
                                                  : ReferenceList::Municipality;
}

} // namespace

bool isDistrictRow(DistrictKind kind, std::string_view text) {
    for (std::string_view row : rows(listOf(kind))) {
        if (!trimView(row).empty() && row == text)
            return true;
    }
    return false;
}

DistrictOpening openDistrictChoice(DistrictKind kind, std::string_view code,
                                   std::string_view name) {
    DistrictOpening opening;
    opening.kind = kind;
    const std::string matchText = std::string(code) + ' ' + std::string(name);
    opening.rowFound = isDistrictRow(kind, matchText);
    const bool regional = kind == DistrictKind::RegionalDistrict;
    const std::string_view unsetName = regional ? kNoDistrictName : kNoMunicipalityName;
    const bool unset = code == kNoDistrictCode && name == unsetName;

    if (opening.rowFound) {
        opening.listText = matchText;
        opening.mode = ChoiceMode::List;
    } else if (unset) {
        opening.mode = ChoiceMode::List;
    } else {
        // A district that is not on the list can only be kept by hand.
        opening.mode = ChoiceMode::Manual;
    }

    if (regional) {
        // The municipality fields take the header too, so that switching the kind alone keeps
        // the code and name.
        opening.regionalDistrictCode = std::string(code);
        opening.regionalDistrictName = std::string(name);
        opening.municipalityCode = std::string(code);
        opening.municipalityName =
            unset && !opening.rowFound ? std::string(kNoMunicipalityName) : std::string(name);
    } else {
        opening.municipalityCode = std::string(code);
        opening.municipalityName = std::string(name);
        if (unset && !opening.rowFound)
            opening.regionalDistrictName = std::string(kNoDistrictName);
    }
    return opening;
}

DistrictOpening openDistrictChoice(const CollectionHeader &header) {
    return openDistrictChoice(header.kind(), header.code, header.name);
}

CodeAndName splitListText(DistrictKind kind, std::string_view listText) {
    const ReferenceList list = listOf(kind);
    return {std::string(codeOfRow(list, listText)), std::string(nameOfRow(list, listText))};
}

bool canConfirmDistrict(DistrictKind kind, ChoiceMode mode, std::string_view listText,
                        std::string_view code, std::string_view name) {
    if (mode == ChoiceMode::Manual)
        return !code.empty() && !name.empty();
    return isDistrictRow(kind, listText);
}

DistrictConfirmation confirmDistrict(const CollectionHeader &header, DistrictKind kind,
                                     std::string code, std::string name) {
    const bool changed = header.code != code || header.name != name;
    return {kind, std::move(code), std::move(name), changed};
}

void apply(CollectionDocument &document, const DistrictConfirmation &confirmation) {
    if (confirmation.marksUnsaved)
        document.markUnsaved();
    document.setDistrict(confirmation.kind, confirmation.code, confirmation.name);
}

} // namespace drovan
