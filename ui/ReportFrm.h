#pragma once

#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_date_reset.h"
#include "reports/report_files.h"
#include "reports/report_list.h"
#include "reports/working_folder.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/DesktopShell.h"
#include "ui/UserDialogs.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace chronoflip {

class TFrm_Date;

// What the report window works with, handed in by the program's start-up (or a test).
struct ReportWindowServices {
    UserDialogs& dialogs;
    ReportFiles& files;
    DesktopShell& shell;
    // The program's one current folder: the report list starts in it and the reset enters
    // the RINEX folder through it.
    WorkingFolder& workingFolder;
    settings::SettingsOpener settings;
};

// The report window: the baseline reports of a folder, whose dates it sets back to the
// date of survey. Modeless; closing it only hides it.
class TFrm_Report final : public QWidget, public ReportResetObserver {
    Q_OBJECT

  public:
    TFrm_Report(QWidget& mainWindow, ReportWindowServices services);

    // Restores the placement when the window goes from hidden to shown, and keeps the
    // window on a screen.
    void setVisible(bool visible) override;

    // The survey-date dialog is created after this window; it must be handed in before the
    // first Reset Dates.
    void setDateWindow(TFrm_Date& date) { Frm_Date = &date; }

    // Point the report list at a folder or a path (see ReportList) and show what it lists.
    void setFolder(std::string_view folder);
    void applyPath(std::string_view text);
    // Shows the window, or brings it to the front (out of the task bar) when it is shown.
    void showInFront();

    // What FileLBx shows.
    const ReportList& reportList() const { return reportList_; }

    // What a report date reset shows in the window.
    void logStarted() override;
    void logLine(std::string_view line) override;
    void folderListed(const FolderListing& listing) override;
    void reportShown(std::string_view name, const std::vector<std::string>& lines) override;
    void reportAlreadyReset(std::string_view message) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormShow();
    void FormClose();
    void BtnDateClick();
    void BtnCloseClick();

    void createControls();
    void arrangeControls();
    // Runs a change of the report list and shows the entries it lists afterwards, also
    // when the change fails half-way.
    template <typename Change>
    void changeList(Change&& change);
    void showEntries();
    QPushButton* button(const char* name, const char* caption);
    void onHandler(QPushButton* button, void (TFrm_Report::*handler)());
    bool guarded(void (TFrm_Report::*handler)());

    ReportWindowServices services_;
    settings::WindowPlacement placement_;
    TFrm_Date* Frm_Date = nullptr;
    ReportList reportList_;  // what FileLBx shows

    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* FileLBx = nullptr;
    QPlainTextEdit* Mem = nullptr;
    QPushButton* BtnDate = nullptr;
    QPushButton* BtnClose = nullptr;
};

}  // namespace chronoflip
