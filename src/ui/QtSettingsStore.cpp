#include "QtSettingsStore.h"

#include "Platform.h"
#include "TextCodec.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace drovan::ui {
namespace {

QString keyPath(std::string_view section, std::string_view key) {
    return toQString(section) + QLatin1Char('/') + toQString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore() {
#ifdef Q_OS_WIN
    location_ = QStringLiteral("HKEY_CURRENT_USER\\Software\\") + kApplicationTitle;
    native_ = true;
#else
    location_ = defaultIniPath();
#endif
}

QtSettingsStore::QtSettingsStore(QString iniPath) : location_(std::move(iniPath)) {}

QString QtSettingsStore::defaultIniPath() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QLatin1Char('/') + kApplicationTitle + QStringLiteral(".ini");
}

std::string QtSettingsStore::read(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    const QSettings settings(location_, native_ ? QSettings::NativeFormat : QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::string(defaultValue);
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    // A hand-edited value with an unquoted comma comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return fromQString(value.toStringList().join(QStringLiteral(", ")));
    if (!value.canConvert<QString>())
        return std::string(defaultValue);
    return fromQString(value.toString());
}

bool QtSettingsStore::write(std::string_view section, std::string_view key,
                            std::string_view value) {
    QSettings settings(location_, native_ ? QSettings::NativeFormat : QSettings::IniFormat);
    settings.setValue(keyPath(section, key), toQString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace drovan::ui
