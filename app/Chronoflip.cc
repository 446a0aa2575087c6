#include <QApplication>
#include <QIcon>

#include "PlatformDialogs.h"
#include "PlatformShell.h"
#include "ProgramWindows.h"
#include "file_system.h"
#include "report_files.h"
#include "settings_store.h"

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
    windows.Frm_Main.show();
    return QApplication::exec();
}
