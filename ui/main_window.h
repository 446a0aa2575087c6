#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <cstdint>
#include <string>

#include "core/correction_pair.h"
#include "core/file_system.h"
#include "settings/settings_store.h"
#include "shift/processing_run.h"
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
// dates, and reach the report and About windows. It holds the correction pair, which
// lives as long as the program.
class MainWindow final : public PlacedWindow, public RunObserver {
    Q_OBJECT

  public:
    explicit MainWindow(MainWindowServices services);
    ~MainWindow() override;

    // The About window is created after this one; it must be handed in before the first show.
    void setAboutWindow(AboutWindow& about) { about_ = &about; }
    // So is the report window.
    void setReportWindow(ReportWindow& report) { report_ = &report; }

    // Opens files dropped onto the window or named on the program's command line as if they
    // were chosen with Open; when Open would refuse one of them, says so and opens none. No
    // paths change nothing.
    void openGivenFiles(const QStringList& paths);

    // The output mode's item chosen in the output box, as the settings store keeps it: 0 to
    // 2, or -1 when none is chosen.
    int outputMode();

    // What a processing run shows in the window.
    void fileStarted(std::size_t index, const std::string& path) override;
    void progressed(const Progress& progress) override;
    void fileDone(std::string_view logLine) override;
    void fileConverted(std::string_view note) override;
    void fileSkipped(const std::string& path, std::string_view reason) override;
    void runFinished(std::span<const std::string_view> closingLog) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void showHeadingAndDefaultMode();
    void openFiles();
    void forgetPreview();
    void takeFiles(const QStringList& paths);
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
    QComboBox* labelledComboBox(QWidget& panel, const char* labelName, const char* caption,
                                const char* boxName, int row);

    void previewFile(ObservationPreview& preview, const QString& path);
    void selectOutputMode(int mode);
    void selectSystems(int item);
    RunRequest runRequest();
    void appendLog(std::string_view line);
    void showProgress();

    MainWindowServices services_;
    AboutWindow* about_ = nullptr;
    ReportWindow* report_ = nullptr;
    const FileChoice openDialogChoice_;

    CorrectionPair corrections_;
    Progress progress_{0, 100};
    std::int64_t progressEvents_ = 0;
    QElapsedTimer paintClock_;

    QFrame* toolBar_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* processButton_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    QToolButton* reportsButton_ = nullptr;
    QToolButton* aboutButton_ = nullptr;
    QComboBox* outputModeBox_ = nullptr;
    QComboBox* systemsBox_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QTableView* previewGrid_ = nullptr;
    PreviewTableModel* previewCells_ = nullptr;
    QLabel* antennaHeightNote_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace chronoflip
