#include "ui/platform_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace chronoflip {

bool PlatformShell::openDocument(const QString& document) noexcept {
    return QDesktopServices::openUrl(QUrl::fromUserInput(document));
}

}  // namespace chronoflip
