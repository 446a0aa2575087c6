#pragma once

#include <QString>

class QWidget;

namespace chronoflip {

class DesktopShell;
class UserDialogs;

// Hands a document (a file's full path, or a web address) to the desktop. Nothing is at
// stake when no program takes it: the user is told so, it is no error.
void openOnDesktop(DesktopShell& shell, UserDialogs& dialogs, QWidget* owner,
                   const QString& document);

}  // namespace chronoflip
