#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

#include "app/program_window_set.h"
#include "core/file_system.h"
#include "faulty_report_files.h"
#include "recording_dialogs.h"
#include "recording_shell.h"
#include "temp_folder.h"

namespace chronoflip::testing {

// The program's windows as start-up makes them, with dialogs answered by the test, the
// desktop's "open" recorded, report files that fail where the test says, and the settings
// store in a temporary folder.
class MainWindowFixture {
  public:
    MainWindowFixture();
    ~MainWindowFixture();

    // Creates the windows and shows the main window, as the program's start does, with
    // the files named on its command line opened once it is up.
    void start(const QStringList& namedFiles = {});
    // Closes the main window as the user does; false when it stayed open.
    bool close();
    MainWindow& main() { return windows_->mainWindow; }
    ReportWindow& report() { return windows_->reportWindow; }
    ProgramWindows& windows() { return *windows_; }

    template <typename Control>
    static Control& controlOf(QWidget& window, const char* name) {
        auto* found = window.findChild<Control*>(QLatin1String(name));
        if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *found;
    }
    template <typename Control>
    Control& control(const char* name) {
        return controlOf<Control>(main(), name);
    }
    template <typename Control>
    Control& reportControl(const char* name) {
        return controlOf<Control>(report(), name);
    }

    // Answers the next file dialog with these files (none: Cancel) and clicks Open.
    void open(const QStringList& paths);
    void clickProcess();
    // Answers the next folder browser with this folder (empty: Cancel) and clicks Reports.
    void reports(const std::string& chosenFolder);
    QString writeFile(const std::string& name, const std::string& text);
    QStringList log();
    // What the report window's list and memo show.
    QStringList reportEntries();
    QStringList reportMemo();
    void clickResetDates();
    QStringList previewRow(int row);
    int previewRows();

    TempFolder folder;
    QString settingsPath;
    // The INI file at settingsPath unless a test chooses another store before start().
    settings::SettingsOpener settings;
    // Where the program is, for what comes with it (its user guide): "program" in folder.
    QString programFolder;
    RecordingDialogs dialogs;
    LocalFileSystem files;
    FaultyReportFiles reportFiles;
    RecordingShell shell;

  private:
    std::unique_ptr<ProgramWindows> windows_;
};

// Input the user gives while a handler runs: it waits among the program's events until the
// program next looks at them. A click with the left button, and a close request as from the
// window's title bar.
void queueClick(QWidget& widget);
void queueCloseRequest(QWidget& window);

// Every value of one window's section in the INI store at path, as text.
std::map<QString, QString> storedSection(const QString& path, const QString& section);

}  // namespace chronoflip::testing
