#pragma once

#include "ui/user_dialogs.h"

namespace chronoflip {

// The platform's own file and folder dialogs and message boxes.
class PlatformDialogs final : public UserDialogs {
  public:
    QStringList chooseFiles(QWidget* owner, const FileChoice& choice) override;
    QString chooseFolder(QWidget* owner, const QString& title, const QString& root) override;
    void showInformation(QWidget* owner, const QString& text) override;
    void showError(QWidget* owner, const QString& text) override;
};

}  // namespace chronoflip
