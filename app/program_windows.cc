#include "app/program_windows.h"

namespace chronoflip {

ProgramWindows::ProgramWindows(const ProgramServices& services)
    : workingFolder(WorkingFolder::ofProcess()),
      help(services.shell, builtWebAddress(), services.programFolder),
      Frm_Main({services.dialogs, services.files, services.settings, help}),
      Frm_About(Frm_Main, services.dialogs, help),
      Frm_Report(Frm_Main, {services.dialogs, services.reportFiles, services.shell, workingFolder,
                            services.settings}),
      Frm_Date(Frm_Main) {
    Frm_Main.setAboutWindow(Frm_About);
    Frm_Main.setReportWindow(Frm_Report);
    Frm_Report.setDateWindow(Frm_Date);
}

}  // namespace chronoflip
