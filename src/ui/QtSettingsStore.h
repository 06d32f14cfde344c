#pragma once

#include "entry/SettingsStore.h"

#include <QString>

namespace drovan::ui {

// The settings store on QSettings. On Windows: the registry under
// HKEY_CURRENT_USER\Software\Drovan (Pellimore)\<section>. Elsewhere: an INI file.
// Every read and write opens the store afresh, so a value is stored the moment it is written.
class QtSettingsStore final : public SettingsStore {
public:
    // The user's own store.
    QtSettingsStore();
    // An INI file at the given path (tests point this at a temporary folder).
    explicit QtSettingsStore(QString iniPath);

    // "Drovan (Pellimore).ini" in $XDG_CONFIG_HOME, else ~/.config.
    static QString defaultIniPath();

    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    bool write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    QString location_;
    bool native_ = false;
};

} // namespace drovan::ui
