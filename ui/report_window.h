#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/report_date_reset.h"
#include "reports/report_files.h"
#include "reports/report_list.h"
#include "reports/working_folder.h"
#include "settings/settings_store.h"
#include "ui/desktop_shell.h"
#include "ui/placed_window.h"
#include "ui/user_dialogs.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace chronoflip {

class SurveyDateWindow;

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
class ReportWindow final : public PlacedWindow, public ReportResetObserver {
    Q_OBJECT

  public:
    ReportWindow(QWidget& mainWindow, ReportWindowServices services);

    // The survey-date dialog is created after this window; it must be handed in before the
    // first Reset Dates.
    void setSurveyDateWindow(SurveyDateWindow& surveyDate) { surveyDate_ = &surveyDate; }

    // Point the report list at a folder or a path (see ReportList) and show what it lists.
    void setFolder(std::string_view folder);
    void applyPath(std::string_view text);
    // Shows the window, or brings it to the front (out of the task bar) when it is shown.
    void showInFront();

    // What the entry list shows.
    const ReportList& reportList() const { return reportList_; }

    // What a report date reset shows in the window.
    void logStarted() override;
    void logLine(std::string_view line) override;
    void folderListed(const FolderListing& listing) override;
    void reportShown(std::string_view name, const std::vector<std::string>& lines) override;
    void reportAlreadyReset(std::string_view message) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void resetDates();

    void createControls();
    void arrangeControls();
    // Runs a change of the report list and shows the entries it lists afterwards, also
    // when the change fails half-way.
    template <typename Change>
    void changeList(Change&& change);
    void showEntries();
    QPushButton* button(const char* name, const char* caption);

    ReportWindowServices services_;
    SurveyDateWindow* surveyDate_ = nullptr;
    ReportList reportList_;  // what entryList_ shows

    QListWidget* entryList_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace chronoflip
