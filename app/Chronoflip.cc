#include <QApplication>

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

    chronoflip::PlatformDialogs dialogs;
    chronoflip::LocalFileSystem files;
    chronoflip::LocalReportFiles reportFiles;
    chronoflip::PlatformShell shell;
    chronoflip::ProgramWindows windows(
        {dialogs, files, reportFiles, shell, chronoflip::settings::userSettings()});
    windows.Frm_Main.show();
    return QApplication::exec();
}
