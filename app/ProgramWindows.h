#pragma once

#include "AboutFrm.h"
#include "DateFrm.h"
#include "MainFrm.h"
#include "ReportFrm.h"

namespace chronoflip {

// The program's four windows, created once in this order and kept for the program's
// whole life. The first is the main window; the others belong to it, so they go to the
// task bar with it and close with it.
struct ProgramWindows {
    ProgramWindows(UserDialogs& dialogs, FileSystem& files, settings::SettingsOpener settings);

    TFrm_Main Frm_Main;
    TFrm_About Frm_About;
    TFrm_Report Frm_Report;
    TFrm_Date Frm_Date;
};

}  // namespace chronoflip
