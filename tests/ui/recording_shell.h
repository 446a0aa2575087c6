#pragma once

#include <QStringList>

#include "ui/desktop_shell.h"

namespace chronoflip::testing {

// Notes every document handed to the desktop instead of opening it.
class RecordingShell final : public DesktopShell {
  public:
    QStringList opened;
    bool opens = true;  // what the desktop answers

    bool openDocument(const QString& path) noexcept override {
        opened << path;
        return opens;
    }
};

}  // namespace chronoflip::testing
