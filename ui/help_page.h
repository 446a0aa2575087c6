#pragma once

#include <QString>

class QWidget;

namespace chronoflip {

class DesktopShell;
class UserDialogs;

// The web address the build was given (CMake cache variable CHRONOFLIP_WEB_ADDRESS), empty
// when it was given none.
QString builtWebAddress();

// The page the main window's status bar and the About window's banner open: a web address,
// or else the user guide that comes with the program, guide.html, looked for beside the
// program and then where an installation keeps it (../share/chronoflip from the program).
class HelpPage {
  public:
    HelpPage(DesktopShell& shell, QString webAddress, QString programFolder);

    // What the status bar and the banner call it: the web site's host, or "User guide".
    QString title() const;
    // The web address, empty for the user guide.
    const QString& webAddress() const { return webAddress_; }
    // Throws when the user guide is in neither place.
    void open(UserDialogs& dialogs, QWidget* owner) const;

  private:
    QString guidePath() const;

    DesktopShell& shell_;
    QString webAddress_;
    QString programFolder_;
};

}  // namespace chronoflip
