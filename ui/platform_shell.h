#pragma once

#include "ui/desktop_shell.h"

namespace chronoflip {

// Hands documents to the desktop (the shell on Windows, xdg-open and the like elsewhere).
class PlatformShell final : public DesktopShell {
  public:
    bool openDocument(const QString& document) noexcept override;
};

}  // namespace chronoflip
