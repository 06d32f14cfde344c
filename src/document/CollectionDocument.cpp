#include "document/CollectionDocument.h"

namespace drovan {

std::string_view codeCaptionOf(DistrictKind kind) {
    return kind == DistrictKind::RegionalDistrict ? kRegionalDistrictCodeCaption
                                                  : kMunicipalityCodeCaption;
}

std::string_view nameCaptionOf(DistrictKind kind) {
    return kind == DistrictKind::RegionalDistrict ? kRegionalDistrictNameCaption
                                                  : kMunicipalityNameCaption;
}

void CollectionDocument::setDistrict(DistrictKind kind, std::string code, std::string name) {
    header_.codeCaption = codeCaptionOf(kind);
    header_.nameCaption = nameCaptionOf(kind);
    header_.code = std::move(code);
    header_.name = std::move(name);
    notify(DocumentChange::Header);
}

void CollectionDocument::setDistrictFromCaption(std::string codeCaption, std::string code,
                                                std::string name) {
    header_.codeCaption = std::move(codeCaption);
    header_.nameCaption = nameCaptionOf(header_.kind());
    header_.code = std::move(code);
    header_.name = std::move(name);
    notify(DocumentChange::Header);
}

void CollectionDocument::setTaxYear(std::string taxYear) {
    header_.taxYear = std::move(taxYear);
    notify(DocumentChange::Header);
}

void CollectionDocument::resetHeaderForLoading(const Date &today) {
    header_.code = kNoDistrictCode;
    header_.name = kNoDistrictNameLoading;
    header_.taxYear = defaultTaxYear(today);
    notify(DocumentChange::Header);
}

void CollectionDocument::setHeader(CollectionHeader header) {
    header_ = std::move(header);
    notify(DocumentChange::Header);
}

void CollectionDocument::appendCharge(const ChargeRecord &record) {
    charges_.append(record);
    notify(DocumentChange::Charges);
}

void CollectionDocument::changeCurrentCharge(const ChargeRecord &record) {
    charges_.replaceCurrent(record);
    notify(DocumentChange::Charges);
}

void CollectionDocument::deleteCurrentCharge() {
    charges_.deleteCurrent();
    notify(DocumentChange::Charges);
}

void CollectionDocument::clearCharges() {
    charges_.clear();
    notify(DocumentChange::Charges);
}

void CollectionDocument::setCurrentRow(std::size_t index) {
    charges_.setCurrentRow(index);
}

void CollectionDocument::replaceCharges(ChargeTable table) {
    charges_ = std::move(table);
    notify(DocumentChange::Charges);
}

void CollectionDocument::addToTotal(Currency amount) {
    total_.add(amount);
    notify(DocumentChange::Total);
}

void CollectionDocument::subtractFromTotal(Currency amount) {
    total_.subtract(amount);
    notify(DocumentChange::Total);
}

void CollectionDocument::resetTotal() {
    total_.reset();
    notify(DocumentChange::Total);
}

void CollectionDocument::setTotal(CurrencySum total) {
    total_ = total;
    notify(DocumentChange::Total);
}

void CollectionDocument::markUnsaved() {
    unsaved_ = true;
    notify(DocumentChange::Unsaved);
}

void CollectionDocument::markSaved() {
    unsaved_ = false;
    notify(DocumentChange::Unsaved);
}

void CollectionDocument::setWorkingFile(std::string path) {
    statusText_ = std::string(kStatusWorkingOn) + path;
    workingFile_ = std::move(path);
    notify(DocumentChange::FileState);
}

void CollectionDocument::setNew() {
    statusText_ = kStatusNew;
    notify(DocumentChange::FileState);
}

} // namespace drovan
