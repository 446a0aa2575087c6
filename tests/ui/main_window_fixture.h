#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "ProgramWindows.h"
#include "file_system.h"
#include "recording_dialogs.h"
#include "temp_folder.h"

namespace chronoflip::testing {

// The program's windows as start-up makes them, with dialogs answered by the test and the
// settings store in a temporary folder.
class MainWindowFixture {
  public:
    MainWindowFixture();
    ~MainWindowFixture();

    // Creates the windows and shows the main window, as the program's start does.
    void start();
    // Closes the main window as the user does; false when it stayed open.
    bool close();
    TFrm_Main& main() { return windows_->Frm_Main; }
    ProgramWindows& windows() { return *windows_; }

    template <typename Control>
    Control& control(const char* name) {
        auto* found = main().findChild<Control*>(QLatin1String(name));
        if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *found;
    }

    // Answers the next file dialog with these files (none: Cancel) and clicks Open.
    void open(const QStringList& paths);
    void clickProcess();
    QString writeFile(const std::string& name, const std::string& text);
    QStringList log();
    QStringList previewRow(int row);
    int previewRows();

    TempFolder folder;
    QString settingsPath;
    RecordingDialogs dialogs;
    LocalFileSystem files;

  private:
    std::unique_ptr<ProgramWindows> windows_;
};

}  // namespace chronoflip::testing
