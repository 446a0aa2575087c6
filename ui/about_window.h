#pragma once

#include <QDialog>

#include "ui/help_page.h"
#include "ui/user_dialogs.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace chronoflip {

// The About window: what the program does and its version history, with a way to the
// help page. Modeless; closing it only hides it.
class TFrm_About final : public QDialog {
    Q_OBJECT

  public:
    TFrm_About(QWidget& mainWindow, UserDialogs& dialogs, const HelpPage& help);

    // Shows the window, or brings it to the front when it is shown already.
    void showInFront();

  private:
    void BtnCloseClick();
    void ImageCairnlinkClick();
    bool guarded(void (TFrm_About::*handler)());

    UserDialogs& dialogs_;
    const HelpPage& help_;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* ImageCairnlink = nullptr;
    QPushButton* BtnClose = nullptr;
};

}  // namespace chronoflip
