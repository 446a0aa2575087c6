#include "ui/MainFrm.h"
#include "ui/QtText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "core/paths.h"
#include "core/short_date.h"
#include "core/version.h"
#include "shift/decoded_input.h"
#include "shift/source_name.h"
#include "ui/AboutFrm.h"
#include "ui/ClickWatcher.h"
#include "ui/HandlerGuard.h"
#include "ui/ObservationPreview.h"
#include "ui/PlacedWidget.h"
#include "ui/PreviewTableModel.h"
#include "ui/ReportFrm.h"
#include "ui/user_input_block.h"

namespace chronoflip {

namespace {

constexpr QRect kDesignedPlacement(265, 276, 794, 622);
// The items of CbxOutputFile, in their order; the settings store keeps the item's index.
constexpr std::array<OutputMode, 3> kOutputModeItems{
    OutputMode::kKeepWorkFile, OutputMode::kYearInExtension, OutputMode::kOverwriteWithBackup};
constexpr int kOutputModes = static_cast<int>(kOutputModeItems.size());
// The window offers to overwrite the sources, keeping backups, until the user's stored
// choice replaces it; with a stored placement but no stored mode it takes the default.
constexpr OutputMode kDesignedOutputMode = OutputMode::kOverwriteWithBackup;

int itemOf(OutputMode mode) {
    return static_cast<int>(std::find(kOutputModeItems.begin(), kOutputModeItems.end(), mode) -
                            kOutputModeItems.begin());
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
    return {{QStringLiteral("obs, nav, orbit files (*.*o *.*n *.*d *.sp3 *.gz *.Z)"),
             QStringLiteral("all files (*.*)")},
            QStringLiteral("*.*o;*.*n;*.*d;*.sp3;*.gz;*.Z")};
}

}  // namespace

TFrm_Main::TFrm_Main(MainWindowServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      services_(std::move(services)),
      placement_(QStringLiteral("Frm_Main"), services_.settings,
                 {{QStringLiteral("Output"), itemOf(kDefaultOutputMode),
                   [this] { return outputMode(); }, [this](int mode) { selectOutputMode(mode); }}}),
      OpenDialog(openDialogSettings()) {
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(fromUtf8(kProgramCaption));
    createControls();
    placeOuter(*this, MinimiseScope::Program, kDesignedPlacement);
    BtnProcess->setEnabled(false);

    onHandler(BtnOpen, &TFrm_Main::BtnOpenClick);
    onHandler(BtnProcess, &TFrm_Main::BtnProcessClick);
    onHandler(BtnClose, &TFrm_Main::BtnCloseClick);
    onHandler(BtnReports, &TFrm_Main::BtnReportsClick);
    onHandler(BtnAbout, &TFrm_Main::BtnAboutClick);
    onClick(*StatusBar1, [this] { guarded(&TFrm_Main::StatusBar1Click); });
    guarded(&TFrm_Main::FormCreate);
}

TFrm_Main::~TFrm_Main() = default;

void TFrm_Main::onHandler(QToolButton* button, void (TFrm_Main::*handler)()) {
    connect(button, &QToolButton::clicked, this, [this, handler] { guarded(handler); });
}

bool TFrm_Main::guarded(void (TFrm_Main::*handler)()) {
    return runGuarded(services_.dialogs, this, [this, handler] { (this->*handler)(); });
}

// The placement is restored before the platform shows the window: a place given then is
// the frame's, which a window manager keeps to, while a window on the screen is placed by
// its inside, whose offset from the frame may not be known yet. Whatever was restored, and
// also when the store failed, the window comes up within reach.
void TFrm_Main::setVisible(bool visible) {
    if (visible && !isVisible()) {
        guarded(&TFrm_Main::FormShow);
        keepOnScreen(*this, MinimiseScope::Program);
    }
    QWidget::setVisible(visible);
}

void TFrm_Main::closeEvent(QCloseEvent* event) {
    if (!guarded(&TFrm_Main::FormClose)) {
        event->ignore();
        return;
    }
    event->accept();
}

void TFrm_Main::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeControls();
}

void TFrm_Main::FormCreate() {
    for (int column = 0; column < kPreviewColumns; ++column) {
        preview_->setCell(column, 0, kPreviewHeadings[column]);
    }
    selectOutputMode(itemOf(kDesignedOutputMode));
}

void TFrm_Main::FormShow() {
    PlacedWidget window(*this, MinimiseScope::Program);
    placement_.restore(window);
}

void TFrm_Main::FormClose() {
    PlacedWidget window(*this, MinimiseScope::Program);
    placement_.save(window);
}

void TFrm_Main::BtnOpenClick() {
    BtnProcess->setEnabled(false);
    preview_->emptyBelowHeading();
    const QStringList chosen = services_.dialogs.chooseFiles(this, OpenDialog);
    if (chosen.isEmpty()) return;
    FileListBox->clear();
    for (const QString& path : chosen) {
        auto* entry = new QListWidgetItem(path, FileListBox);
        entry->setSizeHint(QSize(0, kFileListItemHeight));
    }
    Mem->clear();
    BtnProcess->setEnabled(true);

    ObservationPreview preview(*preview_);
    for (int i = 0; i < FileListBox->count(); ++i) {
        FileListBox->setCurrentRow(i);
        const QString path = FileListBox->item(i)->text();
        if (fileKind(path.toStdString()) == FileKind::kObservation) previewFile(preview, path);
    }
    FileListBox->setCurrentRow(0);
}

void TFrm_Main::previewFile(ObservationPreview& preview, const QString& path) {
    const std::string localPath = path.toStdString();
    const std::unique_ptr<InputFile> file = openDecoded(services_.files, localPath);
    preview.readFile(*file, fromUtf8(namePart(localPath)));
    file->close();
}

// The window keeps painting while the run works through the files, but takes no input.
void TFrm_Main::BtnProcessClick() {
    const UserInputBlock noInput;
    const RunRequest request = runRequest();
    BtnProcess->setEnabled(false);
    paintClock_.start();
    runProcessing(request, *this, corrections_, services_.files);
}

// The listed files, the output mode chosen (text typed into the box chooses none: the
// default), and today for the stamp.
RunRequest TFrm_Main::runRequest() {
    RunRequest request;
    for (int i = 0; i < FileListBox->count(); ++i) {
        request.files.push_back(FileListBox->item(i)->text().toStdString());
    }
    const int item = outputMode();
    request.outputMode =
        item < 0 ? kDefaultOutputMode : kOutputModeItems[static_cast<std::size_t>(item)];
    request.dateText = shortDateText(localNow());
    return request;
}

void TFrm_Main::BtnCloseClick() {
    close();
}

// A cancelled browser still shows the window, with the reports of the folder last entered.
// A chosen folder gone by the time it is entered is an error, not a listing of its parent.
void TFrm_Main::BtnReportsClick() {
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

void TFrm_Main::BtnAboutClick() {
    about_->showInFront();
}

void TFrm_Main::StatusBar1Click() {
    services_.help.open(services_.dialogs, this);
}

// An index outside the list leaves no item chosen, as typing into the box does.
void TFrm_Main::selectOutputMode(int mode) {
    CbxOutputFile->setCurrentIndex(mode >= 0 && mode < kOutputModes ? mode : -1);
}

}  // namespace chronoflip
