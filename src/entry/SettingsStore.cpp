#include "entry/SettingsStore.h"

namespace drovan {

std::string MemorySettingsStore::read(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
    const auto it = values_.find(std::pair{std::string(section), std::string(key)});
    return it == values_.end() ? std::string(defaultValue) : it->second;
}

bool MemorySettingsStore::write(std::string_view section, std::string_view key,
                                std::string_view value) {
    values_[std::pair{std::string(section), std::string(key)}] = std::string(value);
    return true;
}

void resetEntrySettings(SettingsStore &store) {
    using namespace settings;
    store.write(kSettingsSection, Jurisdiction_Filter_By_CD, No);
    store.write(kSettingsSection, PrepopulateCollectionDistrict, No);
    store.write(kSettingsSection, CollectionDistrict, "");
    store.write(kSettingsSection, PrepopulateJurisdiction, No);
    store.write(kSettingsSection, Jurisdiction, "");
    store.write(kSettingsSection, PrepopulateExplanation, No);
    store.write(kSettingsSection, ExplanationType, "Garbage");
    store.write(kSettingsSection, ExplanationNote, "");
}

} // namespace drovan
