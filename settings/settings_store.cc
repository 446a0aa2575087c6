#include "settings/settings_store.h"

#include <QDir>
#include <optional>

namespace chronoflip::settings {

namespace {

constexpr auto kOrganisation = "Kellimore";
constexpr auto kApplication = "Chronoflip";

QString keyOf(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

std::optional<int> integerText(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

SettingsOpener userSettings() {
    return [] {
#ifdef Q_OS_WIN
        constexpr QSettings::Format kFormat = QSettings::NativeFormat;
#else
        constexpr QSettings::Format kFormat = QSettings::IniFormat;
#endif
        return std::make_unique<QSettings>(kFormat, QSettings::UserScope, kOrganisation,
                                           kApplication);
    };
}

SettingsOpener iniSettings(const QString& path) {
    return [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); };
}

SettingsStore::SettingsStore(SettingsOpener open) : open_(std::move(open)), settings_(open_()) {
    if (settings_->status() != QSettings::NoError) {
        throw StoreError("Failed to create key " +
                         QDir::toNativeSeparators(settings_->fileName()).toStdString());
    }
}

QSettings& SettingsStore::handle() {
    if (!settings_) settings_ = open_();
    return *settings_;
}

int SettingsStore::readInt(const QString& section, const QString& name, int defaultValue) {
    QSettings& settings = handle();
    const QVariant value = settings.value(keyOf(section, name));
    if (!value.isValid()) return defaultValue;
    if (value.typeId() == QMetaType::QString) {
        return integerText(value.toString()).value_or(defaultValue);
    }
    // An INI file holds only text; QSettings merely decodes some texts (a comma makes a
    // list), and none of those is an integer.
    if (settings.format() == QSettings::IniFormat) return defaultValue;
    throw StoreError("Invalid data type for '" + name.toStdString() + "'");
}

void SettingsStore::writeInt(const QString& section, const QString& name, int value) {
    QSettings& settings = handle();
    const bool sectionExisted = settings.childGroups().contains(section);
    settings.setValue(keyOf(section, name), QString::number(value));
    settings.sync();
    if (settings.status() == QSettings::NoError) return;
    // QSettings keeps reporting its first error; the next attempt opens a fresh handle, so
    // it succeeds once the cause is gone.
    settings_.reset();
    if (!sectionExisted) throw StoreError("Failed to create key " + section.toStdString());
    throw StoreError("Failed to set data for '" + name.toStdString() + "'");
}

}  // namespace chronoflip::settings
