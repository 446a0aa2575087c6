#include "ProgramWindows.h"

namespace chronoflip {

ProgramWindows::ProgramWindows(UserDialogs& dialogs, FileSystem& files,
                               settings::SettingsOpener settings)
    : Frm_Main({dialogs, files, std::move(settings)}),
      Frm_About(Frm_Main, dialogs),
      Frm_Report(Frm_Main),
      Frm_Date(Frm_Main) {
    Frm_Main.setAboutWindow(Frm_About);
}

}  // namespace chronoflip
