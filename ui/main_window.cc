#include "ui/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "core/paths.h"
#include "core/short_date.h"
#include "core/version.h"
#include "readers/decoded_input.h"
#include "readers/source_name.h"
#include "shift/processing_run.h"
#include "ui/about_window.h"
#include "ui/click_watcher.h"
#include "ui/given_files.h"
#include "ui/observation_preview.h"
#include "ui/preview_table_model.h"
#include "ui/qt_text.h"
#include "ui/report_window.h"
#include "ui/user_input_block.h"

namespace chronoflip {

namespace {

constexpr QRect kDesignedPlacement(265, 276, 794, 622);
// The items of outputModeBox_, in their order; the settings store keeps the item's index.
constexpr std::array<OutputMode, 3> kOutputModeItems{
    OutputMode::kKeepWorkFile, OutputMode::kYearInExtension, OutputMode::kOverwriteWithBackup};
constexpr int kOutputModes = static_cast<int>(kOutputModeItems.size());
// The window offers to overwrite the sources, keeping backups, until the user's stored
// choice replaces it; with a stored placement but no stored mode it takes the default.
constexpr OutputMode kDesignedOutputMode = OutputMode::kOverwriteWithBackup;

// The items of systemsBox_, in their order; the settings store keeps the item's index.
constexpr std::array<KeptSystems, 3> kSystemsItems{KeptSystems::kGps, KeptSystems::kGpsGlonass,
                                                   KeptSystems::kGpsGlonassGalileoSbas};

template <typename T, std::size_t N>
int itemOf(const std::array<T, N>& items, T value) {
    return static_cast<int>(std::find(items.begin(), items.end(), value) - items.begin());
}

int itemOf(OutputMode mode) {
    return itemOf(kOutputModeItems, mode);
}

constexpr int kFileListItemHeight = 13;

const QStringList kPreviewHeadings{QStringLiteral(" Marker Name"), QStringLiteral(" Filename"),
                                   QStringLiteral(" Receiver"), QStringLiteral(" Antenna"),
                                   QStringLiteral(" Ant. Height (1)")};

// Where the folder browser opens: the root of drive C on Windows; elsewhere, where folders
// have no drive, the user's home folder, below which office projects are kept.
QString reportBrowserRoot() {
#ifdef _WIN32
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

FileChoice openDialogSettings() {
    return {{QStringLiteral("obs, nav, orbit files (*.*o *.*n *.*d *.rnx *.crx *.sp3 *.gz *.Z)"),
             QStringLiteral("all files (*.*)")},
            QStringLiteral("*.*o;*.*n;*.*d;*.rnx;*.crx;*.sp3;*.gz;*.Z")};
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : PlacedWindow(
          nullptr,
          Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
          services.dialogs,
          {QStringLiteral("Frm_Main"),
           services.settings,
           MinimiseScope::Program,
           kDesignedPlacement,
           {{QStringLiteral("Output"), itemOf(kDefaultOutputMode), [this] { return outputMode(); },
             [this](int mode) { selectOutputMode(mode); }},
            {QStringLiteral("Systems"), itemOf(kSystemsItems, kDefaultKeptSystems),
             [this] { return systemsBox_->currentIndex(); },
             [this](int item) { selectSystems(item); }}}}),
      services_(std::move(services)),
      openDialogChoice_(openDialogSettings()) {
    setWindowTitle(fromUtf8(kProgramCaption));
    createControls();
    processButton_->setEnabled(false);

    handleClicks(*openButton_, &MainWindow::openFiles);
    handleClicks(*processButton_, &MainWindow::process);
    connect(closeButton_, &QToolButton::clicked, this, &QWidget::close);
    handleClicks(*reportsButton_, &MainWindow::showReports);
    handleClicks(*aboutButton_, &MainWindow::showAbout);
    onClick(*statusBar_, [this] { guarded(&MainWindow::openHelpPage); });
    guarded(&MainWindow::showHeadingAndDefaultMode);
}

MainWindow::~MainWindow() = default;

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeControls();
}

void MainWindow::showHeadingAndDefaultMode() {
    for (int column = 0; column < kPreviewColumns; ++column) {
        previewCells_->setCell(column, 0, kPreviewHeadings[column]);
    }
    selectOutputMode(itemOf(kDesignedOutputMode));
    selectSystems(itemOf(kSystemsItems, kDefaultKeptSystems));
}

void MainWindow::openFiles() {
    forgetPreview();
    const QStringList chosen = services_.dialogs.chooseFiles(this, openDialogChoice_);
    if (!chosen.isEmpty()) takeFiles(chosen);
}

void MainWindow::openGivenFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    runGuarded(services_.dialogs, this, [this, &paths] {
        checkOpenable(paths);
        forgetPreview();
        takeFiles(paths);
    });
}

// A drag is taken only when Open would take all it carries, and only as a copy: a source
// told the files were moved would delete them.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction)) return;
    if (!openable(droppedFiles(*event->mimeData()))) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    openGivenFiles(droppedFiles(*event->mimeData()));
}

void MainWindow::forgetPreview() {
    processButton_->setEnabled(false);
    previewCells_->emptyBelowHeading();
}

// Reading a large file takes a while: input given meanwhile is dropped, as during a run.
void MainWindow::takeFiles(const QStringList& paths) {
    const UserInputBlock noInput;
    fileList_->clear();
    for (const QString& path : paths) {
        auto* entry = new QListWidgetItem(path, fileList_);
        entry->setSizeHint(QSize(0, kFileListItemHeight));
    }
    log_->clear();
    processButton_->setEnabled(true);

    ObservationPreview preview(*previewCells_);
    for (int i = 0; i < fileList_->count(); ++i) {
        fileList_->setCurrentRow(i);
        const QString path = fileList_->item(i)->text();
        if (fileKind(path.toStdString()) == FileKind::kObservation) previewFile(preview, path);
    }
    fileList_->setCurrentRow(0);
}

void MainWindow::previewFile(ObservationPreview& preview, const QString& path) {
    const std::string localPath = path.toStdString();
    const std::unique_ptr<InputFile> file = openDecoded(services_.files, localPath);
    preview.readFile(*file, fromUtf8(namePart(localPath)));
    file->close();
}

// The window keeps painting while the run works through the files, but takes no input.
void MainWindow::process() {
    const UserInputBlock noInput;
    const RunRequest request = runRequest();
    processButton_->setEnabled(false);
    paintClock_.start();
    runProcessing(request, *this, corrections_, services_.files);
}

// The listed files, the output mode chosen (text typed into the box chooses none: the
// default), and today for the stamp.
RunRequest MainWindow::runRequest() {
    RunRequest request;
    for (int i = 0; i < fileList_->count(); ++i) {
        request.files.push_back(fileList_->item(i)->text().toStdString());
    }
    const int item = outputMode();
    request.outputMode =
        item < 0 ? kDefaultOutputMode : kOutputModeItems[static_cast<std::size_t>(item)];
    request.dateText = shortDateText(localNow());
    request.systems = kSystemsItems[static_cast<std::size_t>(systemsBox_->currentIndex())];
    return request;
}

// A cancelled browser still shows the window, with the reports of the folder last entered.
// A chosen folder gone by the time it is entered is an error, not a listing of its parent.
void MainWindow::showReports() {
    const QString chosen = services_.dialogs.chooseFolder(
        this, QStringLiteral("Browse To TGO Baseline Reports"), reportBrowserRoot());
    if (chosen.isEmpty()) {
        services_.dialogs.showInformation(this, QStringLiteral("Directory selection aborted"));
    } else {
        report_->setFolder(chosen.toStdString());
    }
    report_->applyPath(kReportMask);
    report_->showInFront();
}

void MainWindow::showAbout() {
    about_->showInFront();
}

void MainWindow::openHelpPage() {
    services_.help.open(services_.dialogs, this);
}

// A stored index outside the list (edited by hand) falls back to the default.
void MainWindow::selectSystems(int item) {
    const bool known = item >= 0 && item < static_cast<int>(kSystemsItems.size());
    systemsBox_->setCurrentIndex(known ? item : itemOf(kSystemsItems, kDefaultKeptSystems));
}

// An index outside the list leaves no item chosen, as typing into the box does.
void MainWindow::selectOutputMode(int mode) {
    outputModeBox_->setCurrentIndex(mode >= 0 && mode < kOutputModes ? mode : -1);
}

}  // namespace chronoflip
