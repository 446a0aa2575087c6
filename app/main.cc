#include <QApplication>
#include <QIcon>

#include "app/program_window_set.h"
#include "core/file_system.h"
#include "core/utf8_arguments.h"
#include "reports/report_files.h"
#include "settings/settings_store.h"
#include "ui/given_files.h"
#include "ui/platform_dialogs.h"
#include "ui/platform_shell.h"

int main(int argc, char* argv[]) {
    // Paths travel through the program as UTF-8; QApplication takes its own options out.
    chronoflip::Utf8Arguments arguments(argc, argv);
    int count = arguments.argc();
    QApplication application(count, arguments.argv());
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
    windows.show(chronoflip::namedFiles(count, arguments.argv()));
    return QApplication::exec();
}
