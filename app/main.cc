#include <QApplication>
#include <QIcon>

#include "app/program_window_set.h"
#include "core/file_system.h"
#include "reports/report_files.h"
#include "settings/settings_store.h"
#include "ui/platform_dialogs.h"
#include "ui/platform_shell.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronoflip"));
    QApplication::setOrganizationName(QStringLiteral("Kellimore"));
    // Ties the windows to the installed desktop entry and its icon; both are absent (and
    // harmless) when the program runs from its build folder.
    QGuiApplication::setDesktopFileName(QStringLiteral("chronoflip"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("chronoflip")));

    chronoflip::PlatformDialogs dialogs;
    chronoflip::LocalFileSystem files;
    chronoflip::LocalReportFiles reportFiles;
    chronoflip::PlatformShell shell;
    chronoflip::ProgramWindows windows(
        {dialogs, files, reportFiles, shell, chronoflip::settings::userSettings()});
    windows.mainWindow.show();
    return QApplication::exec();
}
