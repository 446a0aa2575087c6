#include "ui/desktop_open.h"

#include "ui/DesktopShell.h"
#include "ui/UserDialogs.h"

namespace chronoflip {

void openOnDesktop(DesktopShell& shell, UserDialogs& dialogs, QWidget* owner,
                   const QString& document) {
    if (shell.openDocument(document)) return;
    dialogs.showInformation(
        owner, QStringLiteral("Cannot open \"%1\": no program opened it.").arg(document));
}

}  // namespace chronoflip
