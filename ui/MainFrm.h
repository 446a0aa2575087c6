#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "core/correction_pair.h"
#include "core/file_system.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "shift/processing_run.h"
#include "ui/UserDialogs.h"
#include "ui/help_page.h"

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

class ObservationPreview;
class PreviewTableModel;
class TFrm_About;
class TFrm_Report;

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
class TFrm_Main final : public QWidget, public RunObserver {
    Q_OBJECT

  public:
    explicit TFrm_Main(MainWindowServices services);
    ~TFrm_Main() override;

    // Restores the placement when the window goes from hidden to shown, and keeps the
    // window on a screen.
    void setVisible(bool visible) override;

    // The About window is created after this one; it must be handed in before the first show.
    void setAboutWindow(TFrm_About& about) { about_ = &about; }
    // So is the report window.
    void setReportWindow(TFrm_Report& report) { report_ = &report; }

    // The output mode's item chosen in CbxOutputFile, as the settings store keeps it: 0 to
    // 2, or -1 when none is chosen.
    int outputMode();

    // What a processing run shows in the window.
    void fileStarted(std::size_t index, const std::string& path) override;
    void progressed(const Progress& progress) override;
    void fileDone(std::string_view logLine) override;
    void fileSkipped(const std::string& path, std::string_view reason) override;
    void runFinished(std::span<const std::string_view> closingLog) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void BtnOpenClick();
    void BtnProcessClick();
    void BtnCloseClick();
    void BtnReportsClick();
    void BtnAboutClick();
    void StatusBar1Click();

    void createControls();
    void createToolBar();
    void createPreviewGrid();
    void createStatusBar();
    void arrangeControls();
    QToolButton* toolButton(const char* name, const char* caption, int left, int fontPixels);
    void toolBarSeparator(int left, int width);
    void onHandler(QToolButton* button, void (TFrm_Main::*handler)());
    bool guarded(void (TFrm_Main::*handler)());

    void previewFile(ObservationPreview& preview, const QString& path);
    void selectOutputMode(int mode);
    RunRequest runRequest();
    void appendLog(std::string_view line);
    void showProgress();

    MainWindowServices services_;
    settings::WindowPlacement placement_;
    TFrm_About* about_ = nullptr;
    TFrm_Report* report_ = nullptr;
    const FileChoice OpenDialog;

    CorrectionPair corrections_;
    Progress progress_{0, 100};
    std::int64_t progressEvents_ = 0;
    QElapsedTimer paintClock_;

    QFrame* ToolBar1 = nullptr;
    QToolButton* BtnOpen = nullptr;
    QToolButton* BtnProcess = nullptr;
    QToolButton* BtnClose = nullptr;
    QToolButton* BtnReports = nullptr;
    QToolButton* BtnAbout = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* CbxOutputFile = nullptr;
    QProgressBar* PBar = nullptr;
    QListWidget* FileListBox = nullptr;
    QTableView* StrGr = nullptr;
    PreviewTableModel* preview_ = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Mem = nullptr;
    QStatusBar* StatusBar1 = nullptr;
};

}  // namespace chronoflip
