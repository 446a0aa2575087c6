#include "ui/desktop_open.h"

#include "ui/desktop_shell.h"
#include "ui/user_dialogs.h"

namespace chronoflip {

void openOnDesktop(DesktopShell& shell, UserDialogs& dialogs, QWidget* owner,
                   const QString& document) {
    if (shell.openDocument(document)) return;
    dialogs.showInformation(
        owner, QStringLiteral("Cannot open \"%1\": no program opened it.").arg(document));
}

}  // namespace chronoflip
