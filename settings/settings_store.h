#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

namespace chronoflip::settings {

// A failure of the settings store; what() is the message the user sees.
class StoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Makes a fresh handle on a settings store. Where the store lives is the opener's business.
using SettingsOpener = std::function<std::unique_ptr<QSettings>()>;

// The current user's store: HKEY_CURRENT_USER\Software\Kellimore\Chronoflip on Windows,
// Kellimore/Chronoflip.ini in the user's configuration folder elsewhere.
SettingsOpener userSettings();
// An INI file at an explicit path.
SettingsOpener iniSettings(const QString& path);

// One open handle on the store. Each window keeps its values in a section of its own,
// as decimal text.
class SettingsStore {
  public:
    // Throws "Failed to create key <location>" when the store cannot be read.
    explicit SettingsStore(SettingsOpener open);

    // The default when the section or value is missing or its text is not an integer in full.
    // Throws "Invalid data type for '<name>'" for a value the store keeps as another type.
    int readInt(const QString& section, const QString& name, int defaultValue);
    // Throws "Failed to create key <section>" when the value would have created the section,
    // "Failed to set data for '<name>'" otherwise.
    void writeInt(const QString& section, const QString& name, int value);

  private:
    QSettings& handle();

    SettingsOpener open_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace chronoflip::settings
