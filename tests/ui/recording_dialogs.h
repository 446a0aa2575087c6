#pragma once

#include <QStringList>
#include <deque>
#include <vector>

#include "ui/user_dialogs.h"

namespace chronoflip::testing {

// A folder browser as it was asked for.
struct FolderBrowser {
    QString title;
    QString root;
};

// Answers the file dialog and the folder browser from queues and notes every message box
// instead of showing it.
class RecordingDialogs final : public UserDialogs {
  public:
    std::deque<QStringList> fileChoices;  // an empty list answers like Cancel
    std::vector<FileChoice> dialogSettings;
    std::deque<QString> folderChoices;  // an empty text answers like Cancel
    std::vector<FolderBrowser> folderBrowsers;
    QStringList information;
    QStringList errors;

    QStringList chooseFiles(QWidget*, const FileChoice& choice) override {
        dialogSettings.push_back(choice);
        if (fileChoices.empty()) return {};
        QStringList chosen = fileChoices.front();
        fileChoices.pop_front();
        return chosen;
    }
    QString chooseFolder(QWidget*, const QString& title, const QString& root) override {
        folderBrowsers.push_back({title, root});
        if (folderChoices.empty()) return {};
        QString chosen = folderChoices.front();
        folderChoices.pop_front();
        return chosen;
    }
    void showInformation(QWidget*, const QString& text) override { information << text; }
    void showError(QWidget*, const QString& text) override { errors << text; }
};

}  // namespace chronoflip::testing
