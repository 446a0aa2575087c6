#include "PlatformShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace chronoflip {

bool PlatformShell::openDocument(const QString& path) noexcept {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace chronoflip
