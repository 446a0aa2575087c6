#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <vector>

#include "core/file_system.h"
#include "settings/settings_store.h"
#include "shift/date_corrections.h"
#include "shift/run_host.h"
#include "ui/help_page.h"
#include "ui/placed_window.h"
#include "ui/user_dialogs.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QStatusBar;
class QTableView;
class QToolButton;

namespace chronoflip {

class AboutWindow;
class ObservationPreview;
class PreviewTableModel;
class ReportWindow;

// What the main window works with, handed in by the program's start-up (or a test).
struct MainWindowServices {
    UserDialogs& dialogs;
    FileSystem& files;
    settings::SettingsOpener settings;
    const HelpPage& help;
};

// The program's main window: choose files, preview the observation files, shift their
// dates, and reach the report and About windows. It holds the state that lives as long
// as the program: the correction pair and the line count of each listed file.
class MainWindow final : public PlacedWindow, public RunHost {
    Q_OBJECT

  public:
    explicit MainWindow(MainWindowServices services);
    ~MainWindow() override;

    // The About window is created after this one; it must be handed in before the first show.
    void setAboutWindow(AboutWindow& about) { about_ = &about; }
    // So is the report window.
    void setReportWindow(ReportWindow& report) { report_ = &report; }

    // The host of a processing run.
    std::string caption() override;
    void disableProcessButton() override;
    int fileCount() override;
    std::string fileAt(int index) override;
    void selectFile(int index) override;
    void appendLog(std::string_view line) override;
    void showMessage(std::string_view text) override;
    int outputMode() override;
    std::int32_t lineCount(int index) override;
    std::string todayText() override;
    void setProgressMax(std::int32_t maximum) override;
    std::int32_t progressMax() override { return progressMax_; }
    void setProgressPosition(std::int32_t position) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showHeadingAndDefaultMode();
    void openFiles();
    void process();
    void showReports();
    void showAbout();
    void openHelpPage();

    void createControls();
    void createToolBar();
    void createPreviewGrid();
    void createStatusBar();
    void arrangeControls();
    QToolButton* toolButton(const char* name, const char* caption, int left, int fontPixels);
    void toolBarSeparator(int left, int width);

    void previewFile(ObservationPreview& preview, int index, const QString& path);
    void selectOutputMode(int mode);
    void showProgress();

    MainWindowServices services_;
    AboutWindow* about_ = nullptr;
    ReportWindow* report_ = nullptr;
    const FileChoice openDialogChoice_;

    DateCorrections corrections_;
    std::vector<std::int32_t> lineCounts_;
    std::int32_t progressMax_ = 100;
    std::int32_t progressPosition_ = 0;
    QElapsedTimer paintClock_;

    QFrame* toolBar_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* processButton_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    QToolButton* reportsButton_ = nullptr;
    QToolButton* aboutButton_ = nullptr;
    QComboBox* outputModeBox_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QTableView* previewGrid_ = nullptr;
    PreviewTableModel* previewCells_ = nullptr;
    QLabel* antennaHeightNote_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace chronoflip
