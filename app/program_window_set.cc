#include "app/program_window_set.h"

namespace chronoflip {

ProgramWindows::ProgramWindows(const ProgramServices& services)
    : workingFolder(WorkingFolder::ofProcess()),
      help(services.shell, builtWebAddress(), services.programFolder),
      mainWindow({services.dialogs, services.files, services.settings, help}),
      aboutWindow(mainWindow, services.dialogs, help),
      reportWindow(mainWindow, {services.dialogs, services.reportFiles, services.shell,
                                workingFolder, services.settings}),
      surveyDateWindow(mainWindow) {
    mainWindow.setAboutWindow(aboutWindow);
    mainWindow.setReportWindow(reportWindow);
    reportWindow.setSurveyDateWindow(surveyDateWindow);
}

void ProgramWindows::show(const QStringList& namedFiles) {
    mainWindow.show();
    if (namedFiles.isEmpty()) return;
    QMetaObject::invokeMethod(
        &mainWindow, [this, namedFiles] { mainWindow.openGivenFiles(namedFiles); },
        Qt::QueuedConnection);
}

}  // namespace chronoflip
