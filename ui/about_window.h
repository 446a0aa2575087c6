#pragma once

#include <QDialog>

#include "ui/help_page.h"
#include "ui/user_dialogs.h"

namespace chronoflip {

// The About window: what the program does and its version history, with a way to the
// help page. Modeless; closing it only hides it.
class AboutWindow final : public QDialog {
    Q_OBJECT

  public:
    AboutWindow(QWidget& mainWindow, UserDialogs& dialogs, const HelpPage& help);

    // Shows the window, or brings it to the front when it is shown already.
    void showInFront();

  private:
    void openHelpPage();

    UserDialogs& dialogs_;
    const HelpPage& help_;
};

}  // namespace chronoflip
