#pragma once

#include <QStringList>
#include <deque>

#include "UserDialogs.h"

namespace chronoflip::testing {

// Answers the file dialog from a queue and notes every message box instead of showing it.
class RecordingDialogs final : public UserDialogs {
  public:
    std::deque<QStringList> fileChoices;  // an empty list answers like Cancel
    std::vector<FileChoice> dialogSettings;
    QStringList information;
    QStringList errors;

    QStringList chooseFiles(QWidget*, const FileChoice& choice) override {
        dialogSettings.push_back(choice);
        if (fileChoices.empty()) return {};
        QStringList chosen = fileChoices.front();
        fileChoices.pop_front();
        return chosen;
    }
    void showInformation(QWidget*, const QString& text) override { information << text; }
    void showError(QWidget*, const QString& text) override { errors << text; }
};

}  // namespace chronoflip::testing
