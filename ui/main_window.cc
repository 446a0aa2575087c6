#include "ui/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QToolButton>

#include "core/paths.h"
#include "core/version.h"
#include "shift/decoded_input.h"
#include "shift/processing_run.h"
#include "shift/source_name.h"
#include "ui/about_window.h"
#include "ui/click_watcher.h"
#include "ui/observation_preview.h"
#include "ui/preview_table_model.h"
#include "ui/qt_text.h"
#include "ui/report_window.h"
#include "ui/user_input_block.h"

namespace chronoflip {

namespace {

constexpr QRect kDesignedPlacement(265, 276, 794, 622);
constexpr int kOutputModes = 3;
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
    return {{QStringLiteral("obs, nav, orbit files (*.*o *.*n *.*d *.sp3 *.gz *.Z)"),
             QStringLiteral("all files (*.*)")},
            QStringLiteral("*.*o;*.*n;*.*d;*.sp3;*.gz;*.Z")};
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : PlacedWindow(nullptr,
                   Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint,
                   services.dialogs,
                   {QStringLiteral("Frm_Main"),
                    services.settings,
                    MinimiseScope::Program,
                    kDesignedPlacement,
                    {{QStringLiteral("Output"), 0, [this] { return outputMode(); },
                      [this](int mode) { selectOutputMode(mode); }}}}),
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
    selectOutputMode(2);
}

void MainWindow::openFiles() {
    processButton_->setEnabled(false);
    previewCells_->emptyBelowHeading();
    const QStringList chosen = services_.dialogs.chooseFiles(this, openDialogChoice_);
    if (chosen.isEmpty()) return;
    fileList_->clear();
    for (const QString& path : chosen) {
        auto* entry = new QListWidgetItem(path, fileList_);
        entry->setSizeHint(QSize(0, kFileListItemHeight));
    }
    log_->clear();
    processButton_->setEnabled(true);

    lineCounts_.resize(static_cast<std::size_t>(fileList_->count()));
    ObservationPreview preview(*previewCells_);
    for (int i = 0; i < fileList_->count(); ++i) {
        fileList_->setCurrentRow(i);
        const QString path = fileList_->item(i)->text();
        if (contentKind(path.toStdString()) == 'o') previewFile(preview, i, path);
    }
    fileList_->setCurrentRow(0);
}

void MainWindow::previewFile(ObservationPreview& preview, int index, const QString& path) {
    const std::string localPath = path.toStdString();
    const std::unique_ptr<InputFile> file = openDecoded(services_.files, localPath);
    // A read that fails still leaves the count of the lines read so far.
    const auto storeLineCount = qScopeGuard([&] {
        lineCounts_[static_cast<std::size_t>(index)] =
            static_cast<std::int32_t>(preview.linesRead());
    });
    preview.readFile(*file, fromUtf8(namePart(localPath)));
    file->close();
}

// The window keeps painting while the run works through the files, but takes no input.
void MainWindow::process() {
    const UserInputBlock noInput;
    paintClock_.start();
    runProcessing(*this, corrections_, services_.files);
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

// An index outside the list leaves no item chosen, as typing into the box does.
void MainWindow::selectOutputMode(int mode) {
    outputModeBox_->setCurrentIndex(mode >= 0 && mode < kOutputModes ? mode : -1);
}

}  // namespace chronoflip
