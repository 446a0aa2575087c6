#include <QApplication>

#include "PlatformDialogs.h"
#include "ProgramWindows.h"
#include "file_system.h"
#include "settings_store.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronoflip"));
    QApplication::setOrganizationName(QStringLiteral("Kellimore"));

    chronoflip::PlatformDialogs dialogs;
    chronoflip::LocalFileSystem files;
    chronoflip::ProgramWindows windows(dialogs, files, chronoflip::settings::userSettings());
    windows.Frm_Main.show();
    return QApplication::exec();
}
