#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "reports/report_files.h"
#include "reports/working_folder.h"
#include "ui/about_window.h"
#include "ui/desktop_shell.h"
#include "ui/help_page.h"
#include "ui/main_window.h"
#include "ui/report_window.h"
#include "ui/survey_date_window.h"

namespace chronoflip {

// What the windows reach the user, the files and the desktop through.
struct ProgramServices {
    UserDialogs& dialogs;
    FileSystem& files;
    ReportFiles& reportFiles;
    DesktopShell& shell;
    settings::SettingsOpener settings;
    // Where the program is; what comes with it (its user guide) is found from there.
    QString programFolder = QCoreApplication::applicationDirPath();
};

// The program's four windows, created once in this order and kept for the program's
// whole life. The first is the main window; the others belong to it, so they go to the
// task bar with it and close with it.
struct ProgramWindows {
    explicit ProgramWindows(const ProgramServices& services);

    // Shows the main window, and once it is up opens in it the files named on the
    // program's command line, as Open would.
    void show(const QStringList& namedFiles);

    // The program's current folder, from the folder it was started in.
    WorkingFolder workingFolder;
    // What the status bar and the About banner open.
    HelpPage help;
    MainWindow mainWindow;
    AboutWindow aboutWindow;
    ReportWindow reportWindow;
    SurveyDateWindow surveyDateWindow;
};

}  // namespace chronoflip
