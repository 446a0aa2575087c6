#pragma once

#include "UserDialogs.h"

namespace chronoflip {

// The platform's own file dialog and message boxes.
class PlatformDialogs final : public UserDialogs {
  public:
    QStringList chooseFiles(QWidget* owner, const FileChoice& choice) override;
    void showInformation(QWidget* owner, const QString& text) override;
    void showError(QWidget* owner, const QString& text) override;
};

}  // namespace chronoflip
