#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "settings/placement_target.h"
#include "settings/settings_store.h"

namespace chronoflip::settings {

// A value a window keeps beside its placement (the main window's output mode).
struct KeptValue {
    QString name;
    int defaultValue;
    std::function<int()> current;
    std::function<void(int)> apply;
};

// Where a window was and how it was shown, kept between runs in a section of the
// settings store named after the window. The window restores when it is shown and
// saves when it is closed; the store stays open in between.
class WindowPlacement {
  public:
    WindowPlacement(QString section, SettingsOpener open, std::vector<KeptValue> keptValues = {});

    void restore(PlacementTarget& window);
    // On failure the store stays open, so the window can try again at its next close.
    void save(PlacementTarget& window);

  private:
    int read(const QString& name, int defaultValue);
    void write(const QString& name, int value);

    QString section_;
    SettingsOpener open_;
    std::vector<KeptValue> keptValues_;
    std::unique_ptr<SettingsStore> store_;
};

}  // namespace chronoflip::settings
