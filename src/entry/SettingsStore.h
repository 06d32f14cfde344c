#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace drovan {

inline constexpr std::string_view kSettingsSection = "Drovan";

namespace settings {
inline constexpr std::string_view Jurisdiction_Filter_By_CD = "Jurisdiction_Filter_By_CD";
inline constexpr std::string_view PrepopulateCollectionDistrict = "PrepopulateCollectionDistrict";
inline constexpr std::string_view CollectionDistrict = "CollectionDistrict";
inline constexpr std::string_view PrepopulateJurisdiction = "PrepopulateJurisdiction";
inline constexpr std::string_view Jurisdiction = "Jurisdiction";
inline constexpr std::string_view PrepopulateExplanation = "PrepopulateExplanation";
inline constexpr std::string_view ExplanationType = "ExplanationType";
inline constexpr std::string_view ExplanationNote = "ExplanationNote";
inline constexpr std::string_view Type = "Type";
inline constexpr std::string_view Code = "Code";
inline constexpr std::string_view Name = "Name";

inline constexpr std::string_view Yes = "YES";
inline constexpr std::string_view No = "NO";
} // namespace settings

// Per-user text values by section and key. Values are Windows-1252 text like the rest of the core.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or the caller's default when the section or key is absent or unreadable.
    virtual std::string read(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const = 0;
    // False when the store refused the value.
    virtual bool write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// A store held in memory, for tests and for callers that need no persistence.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    bool write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> values_;
};

// A flag is on exactly when it reads "YES".
inline bool isFlagOn(std::string_view value) {
    return value == settings::Yes;
}

// Start New and Load both begin a fresh collection with the Add dialog's preferences cleared.
void resetEntrySettings(SettingsStore &store);

} // namespace drovan
