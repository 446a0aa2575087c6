#include "ui/report_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringDecoder>

#include "reports/report_date_reset.h"
#include "reports/survey_date.h"
#include "ui/desktop_open.h"
#include "ui/handler_guard.h"
#include "ui/qt_text.h"
#include "ui/survey_date_window.h"
#include "ui/user_input_block.h"
#include "ui/window_fonts.h"

namespace chronoflip {

namespace {

constexpr QRect kDesignedPlacement(689, 328, 554, 315);
constexpr int kFileListItemHeight = 13;

// The office software writes its reports in the Windows code page of its day; newer ones
// may be UTF-8. Either is shown readably; the file itself is never touched here.
QString reportText(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        if (!bytes.empty()) bytes += '\n';
        bytes += line;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

template <typename Change>
void ReportWindow::changeList(Change&& change) {
    const auto repaint = qScopeGuard([this] { showEntries(); });
    change();
}

ReportWindow::ReportWindow(QWidget& mainWindow, ReportWindowServices services)
    : PlacedWindow(&mainWindow,
                   Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                       Qt::WindowCloseButtonHint,
                   services.dialogs,
                   {QStringLiteral("Frm_Report"), services.settings, MinimiseScope::Window,
                    kDesignedPlacement}),
      services_(std::move(services)),
      reportList_(services_.workingFolder) {
    setWindowTitle(QStringLiteral("Reports"));
    createControls();

    handleClicks(*resetButton_, &ReportWindow::resetDates);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    // A working folder that cannot be listed leaves the list empty until a folder is chosen.
    runGuarded(services_.dialogs, this, [this] { setFolder(services_.workingFolder.path()); });
}

void ReportWindow::createControls() {
    setFont(windowFont(kSmallFontPixels));

    auto* listHeading = new QLabel(QStringLiteral("Baseline reports"), this);
    listHeading->setObjectName(QStringLiteral("Label3"));
    listHeading->move(8, 8);
    listHeading->adjustSize();

    auto* logHeading = new QLabel(QStringLiteral("Html report"), this);
    logHeading->setObjectName(QStringLiteral("Label1"));
    logHeading->move(112, 8);
    logHeading->adjustSize();

    // Which entries are selected changes nothing: the reset works on all of them.
    entryList_ = new QListWidget(this);
    entryList_->setObjectName(QStringLiteral("FileLBx"));
    entryList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    entryList_->setUniformItemSizes(true);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("Mem"));
    log_->setReadOnly(true);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setEnabled(false);

    resetButton_ = button("BtnDate", "Reset Dates");
    closeButton_ = button("BtnClose", "&Close");
}

QPushButton* ReportWindow::button(const char* name, const char* caption) {
    auto* pushButton = new QPushButton(QLatin1String(caption), this);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setFont(windowFont(kSmallFontPixels, true));
    pushButton->setAutoDefault(false);
    return pushButton;
}

// The list and the memo take up what the window has grown beyond its designed size, the
// buttons keep their place below the memo's right edge; a smaller window cuts them off.
void ReportWindow::arrangeControls() {
    const QSize growth =
        (frameGeometry().size() - kDesignedPlacement.size()).expandedTo(QSize(0, 0));
    entryList_->setGeometry(8, 24, 89, 185 + growth.height());
    log_->setGeometry(112, 24, 417 + growth.width(), 185 + growth.height());
    resetButton_->setGeometry(344 + growth.width(), 216 + growth.height(), 89, 49);
    closeButton_->setGeometry(448 + growth.width(), 216 + growth.height(), 83, 49);
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeControls();
}

// The windows take no input while the reset works. Once it is done the summary page is
// opened; one nobody can open is worth a word, not a failure. The window then closes with
// its placement stored as at the user's close, but not through a close event, which the
// windows drop while the reset runs.
void ReportWindow::resetDates() {
    const UserInputBlock noInput;
    const ReportResetResult result =
        resetReportDates({reportList_.folder(), reportList_.entries().size(),
                          [this] { return chronoflip::surveyDateQuery(*surveyDate_); }},
                         services_.files, *this);
    if (!result.hadReports) {
        services_.dialogs.showInformation(this, fromUtf8(kNoFilesToProcess));
        return;
    }
    openOnDesktop(services_.shell, services_.dialogs, this, fromUtf8(result.summaryPage));
    if (storePlacement()) hide();
}

void ReportWindow::setFolder(std::string_view folder) {
    changeList([this, folder] { reportList_.setFolder(folder); });
}

void ReportWindow::applyPath(std::string_view text) {
    changeList([this, text] { reportList_.applyPath(text); });
}

void ReportWindow::showInFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void ReportWindow::showEntries() {
    entryList_->clear();
    for (const std::string& name : reportList_.entries()) {
        auto* entry = new QListWidgetItem(fromUtf8(name), entryList_);
        entry->setSizeHint(QSize(0, kFileListItemHeight));
    }
}

void ReportWindow::logStarted() {
    log_->clear();
}

void ReportWindow::logLine(std::string_view line) {
    log_->appendPlainText(fromUtf8(line));
}

// The list shows what the reset works on: the RINEX folder's observation files while it
// looks for the pair (and after a failure there), then the reports.
void ReportWindow::folderListed(const FolderListing& listing) {
    changeList([this, &listing] { reportList_.showListing(listing); });
}

void ReportWindow::reportShown(std::string_view, const std::vector<std::string>& lines) {
    log_->setPlainText(reportText(lines));
}

void ReportWindow::reportAlreadyReset(std::string_view message) {
    services_.dialogs.showInformation(this, fromUtf8(message));
}

}  // namespace chronoflip
