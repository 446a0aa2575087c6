#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace chronoflip {

// How the file-open dialog is set up each time it opens.
struct FileChoice {
    QStringList nameFilters;  // the first one is selected
    QString fileName;         // shown in the name field as the dialog opens
};

// The dialogs and message boxes the windows ask the user through, so tests can answer them.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // Several files may be chosen; the paths come in the dialog's order, and none when the
    // user cancelled.
    virtual QStringList chooseFiles(QWidget* owner, const FileChoice& choice) = 0;
    // The folder browser, opened at root with nothing preselected: the chosen folder's full
    // path, or an empty text when the user cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& root) = 0;
    // A modal box with one OK button.
    virtual void showInformation(QWidget* owner, const QString& text) = 0;
    virtual void showError(QWidget* owner, const QString& text) = 0;
};

}  // namespace chronoflip
