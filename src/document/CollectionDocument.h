#pragma once

#include "document/ChargeTable.h"
#include "document/Currency.h"
#include "document/Date.h"

#include <functional>
#include <string>
#include <string_view>

namespace drovan {

inline constexpr std::string_view kRegionalDistrictCodeCaption = "Regional District Code:";
inline constexpr std::string_view kRegionalDistrictNameCaption = "Regional District Name:";
inline constexpr std::string_view kMunicipalityCodeCaption = "Municipality Code:";
inline constexpr std::string_view kMunicipalityNameCaption = "Municipality Name:";

inline constexpr std::string_view kNoDistrictCode = "00";
inline constexpr std::string_view kNoDistrictName = "The Regional District is not selected";
inline constexpr std::string_view kNoMunicipalityName = "The Municipality is not selected";
inline constexpr std::string_view kNoDistrictNameLoading =
    "The Regional District \\ Municipality is not selected";
inline constexpr std::string_view kNoTaxYear = "CCYY";

inline constexpr std::string_view kStatusSelection = "Selection of charge file";
inline constexpr std::string_view kStatusNew = "New charge file";
inline constexpr std::string_view kStatusWorkingOn = "Working on: ";
inline constexpr std::string_view kWorkingFileNone = "Selection of Collection File";

inline constexpr std::string_view kTaxYearCaption = "Utility Debt Tax Year:";
inline constexpr std::string_view kTotalCaption = "Total Amount:";

enum class DistrictKind { RegionalDistrict, Municipality };

std::string_view codeCaptionOf(DistrictKind kind);
std::string_view nameCaptionOf(DistrictKind kind);

// The header keeps every value as the text the status panel shows. The kind is the code caption:
// any caption but the Regional District one means a Municipality.
struct CollectionHeader {
    std::string codeCaption{kRegionalDistrictCodeCaption};
    std::string nameCaption{kRegionalDistrictNameCaption};
    std::string code{kNoDistrictCode};
    std::string name{kNoDistrictName};
    std::string taxYear{kNoTaxYear};

    DistrictKind kind() const {
        return codeCaption == kRegionalDistrictCodeCaption ? DistrictKind::RegionalDistrict
                                                           : DistrictKind::Municipality;
    }
    bool hasDistrict() const { return code != kNoDistrictCode; }

    friend bool operator==(const CollectionHeader &, const CollectionHeader &) = default;
};

enum class DocumentChange { Header, Charges, Total, FileState, Unsaved };

class CollectionDocument {
public:
    using Listener = std::function<void(DocumentChange)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

    const CollectionHeader &header() const { return header_; }
    void setDistrict(DistrictKind kind, std::string code, std::string name);
    // As remembered in the settings: the caption is kept as given and the name caption follows it.
    void setDistrictFromCaption(std::string codeCaption, std::string code, std::string name);
    void setTaxYear(std::string taxYear);
    void resetHeaderForLoading(const Date &today);
    // Replaces the whole header at once (a load that succeeded).
    void setHeader(CollectionHeader header);

    const ChargeTable &charges() const { return charges_; }
    void appendCharge(const ChargeRecord &record);
    void changeCurrentCharge(const ChargeRecord &record);
    void deleteCurrentCharge();
    void clearCharges();
    void setCurrentRow(std::size_t index);
    // Takes a whole table at once, so that a bulk load notifies once.
    void replaceCharges(ChargeTable table);

    const CurrencySum &total() const { return total_; }
    void addToTotal(Currency amount);
    void subtractFromTotal(Currency amount);
    void resetTotal();
    void setTotal(CurrencySum total);

    bool hasUnsavedChanges() const { return unsaved_; }
    void markUnsaved();
    void markSaved();

    // The status text and the working file hold a path of the file system, in UTF-8 rather than
    // Windows-1252, so that any path the user picks survives to the next save.
    const std::string &statusText() const { return statusText_; }
    const std::string &workingFile() const { return workingFile_; }
    bool isNew() const { return statusText_ == kStatusNew; }
    void setWorkingFile(std::string path);
    void setNew();

private:
    void notify(DocumentChange change) const {
        if (listener_)
            listener_(change);
    }

    CollectionHeader header_;
    ChargeTable charges_;
    CurrencySum total_;
    bool unsaved_ = false;
    std::string statusText_{kStatusSelection};
    std::string workingFile_{kWorkingFileNone};
    Listener listener_;
};

} // namespace drovan
