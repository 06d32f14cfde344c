#include "entry/SettingsStore.h"

#include <gtest/gtest.h>

using namespace drovan;

TEST(SettingsStoreTest, ResetEntrySettingsWritesTheFreshCollectionValues) {
    MemorySettingsStore store;
    store.write(kSettingsSection, settings::Jurisdiction, "761 VICTORIA RURAL");
    store.write(kSettingsSection, settings::Code, "27");
    resetEntrySettings(store);
    const std::pair<std::string_view, std::string_view> expected[] = {
        {settings::Jurisdiction_Filter_By_CD, "NO"},
        {settings::PrepopulateCollectionDistrict, "NO"},
        {settings::CollectionDistrict, ""},
        {settings::PrepopulateJurisdiction, "NO"},
        {settings::Jurisdiction, ""},
        {settings::PrepopulateExplanation, "NO"},
        {settings::ExplanationType, "Garbage"},
        {settings::ExplanationNote, ""},
    };
    for (const auto &[key, value] : expected)
        EXPECT_EQ(store.read(kSettingsSection, key, "absent"), value) << key;
    // The district identity is not an entry setting.
    EXPECT_EQ(store.read(kSettingsSection, settings::Code, "00"), "27");
}

TEST(SettingsStoreTest, FlagsAreOnOnlyForUpperCaseYes) {
    EXPECT_TRUE(isFlagOn("YES"));
    for (const char *off : {"yes", "Yes", "", "NO", "YES "})
        EXPECT_FALSE(isFlagOn(off)) << off;
}
