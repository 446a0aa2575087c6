#include "ui/ReportFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringDecoder>

#include "reports/survey_date.h"
#include "ui/DateFrm.h"
#include "ui/HandlerGuard.h"
#include "ui/PlacedWidget.h"
#include "ui/QtText.h"
#include "ui/WindowFonts.h"
#include "ui/desktop_open.h"
#include "ui/user_input_block.h"

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
void TFrm_Report::changeList(Change&& change) {
    const auto repaint = qScopeGuard([this] { showEntries(); });
    change();
}

TFrm_Report::TFrm_Report(QWidget& mainWindow, ReportWindowServices services)
    : QWidget(&mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                               Qt::WindowCloseButtonHint),
      services_(std::move(services)),
      placement_(QStringLiteral("Frm_Report"), services_.settings),
      reportList_(services_.workingFolder) {
    setObjectName(QStringLiteral("Frm_Report"));
    setWindowTitle(QStringLiteral("Reports"));
    createControls();
    placeOuter(*this, MinimiseScope::Window, kDesignedPlacement);

    onHandler(BtnDate, &TFrm_Report::BtnDateClick);
    onHandler(BtnClose, &TFrm_Report::BtnCloseClick);
    // A working folder that cannot be listed leaves the list empty until a folder is chosen.
    runGuarded(services_.dialogs, this, [this] { setFolder(services_.workingFolder.path()); });
}

void TFrm_Report::createControls() {
    setFont(windowFont(kSmallFontPixels));

    Label3 = new QLabel(QStringLiteral("Baseline reports"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(8, 8);
    Label3->adjustSize();

    Label1 = new QLabel(QStringLiteral("Html report"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(112, 8);
    Label1->adjustSize();

    // Which entries are selected changes nothing: the reset works on all of them.
    FileLBx = new QListWidget(this);
    FileLBx->setObjectName(QStringLiteral("FileLBx"));
    FileLBx->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileLBx->setUniformItemSizes(true);

    Mem = new QPlainTextEdit(this);
    Mem->setObjectName(QStringLiteral("Mem"));
    Mem->setReadOnly(true);
    Mem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Mem->setEnabled(false);

    BtnDate = button("BtnDate", "Reset Dates");
    BtnClose = button("BtnClose", "&Close");
}

QPushButton* TFrm_Report::button(const char* name, const char* caption) {
    auto* pushButton = new QPushButton(QLatin1String(caption), this);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setFont(windowFont(kSmallFontPixels, true));
    pushButton->setAutoDefault(false);
    return pushButton;
}

// The list and the memo take up what the window has grown beyond its designed size, the
// buttons keep their place below the memo's right edge; a smaller window cuts them off.
void TFrm_Report::arrangeControls() {
    const QSize growth =
        (frameGeometry().size() - kDesignedPlacement.size()).expandedTo(QSize(0, 0));
    FileLBx->setGeometry(8, 24, 89, 185 + growth.height());
    Mem->setGeometry(112, 24, 417 + growth.width(), 185 + growth.height());
    BtnDate->setGeometry(344 + growth.width(), 216 + growth.height(), 89, 49);
    BtnClose->setGeometry(448 + growth.width(), 216 + growth.height(), 83, 49);
}

void TFrm_Report::onHandler(QPushButton* button, void (TFrm_Report::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { guarded(handler); });
}

bool TFrm_Report::guarded(void (TFrm_Report::*handler)()) {
    return runGuarded(services_.dialogs, this, [this, handler] { (this->*handler)(); });
}

// Restored before the platform shows the window, as the main window is.
void TFrm_Report::setVisible(bool visible) {
    if (visible && !isVisible()) {
        guarded(&TFrm_Report::FormShow);
        keepOnScreen(*this, MinimiseScope::Window);
    }
    QWidget::setVisible(visible);
}

void TFrm_Report::closeEvent(QCloseEvent* event) {
    if (!guarded(&TFrm_Report::FormClose)) {
        event->ignore();
        return;
    }
    event->accept();
}

void TFrm_Report::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeControls();
}

void TFrm_Report::FormShow() {
    PlacedWidget window(*this, MinimiseScope::Window);
    placement_.restore(window);
}

void TFrm_Report::FormClose() {
    PlacedWidget window(*this, MinimiseScope::Window);
    placement_.save(window);
}

// The windows take no input while the reset works. Once it is done the summary page is
// opened; one nobody can open is worth a word, not a failure. The window then closes
// through its close handler, like the user's close, but not as a close event, which the
// windows drop while the reset runs.
void TFrm_Report::BtnDateClick() {
    const UserInputBlock noInput;
    const ReportResetResult result =
        resetReportDates({reportList_.folder(), reportList_.entries().size(),
                          [this] { return chronoflip::surveyDateQuery(*Frm_Date); }},
                         services_.files, *this);
    if (!result.hadReports) {
        services_.dialogs.showInformation(this, fromUtf8(kNoFilesToProcess));
        return;
    }
    openOnDesktop(services_.shell, services_.dialogs, this, fromUtf8(result.summaryPage));
    if (guarded(&TFrm_Report::FormClose)) hide();
}

void TFrm_Report::BtnCloseClick() {
    close();
}

void TFrm_Report::setFolder(std::string_view folder) {
    changeList([this, folder] { reportList_.setFolder(folder); });
}

void TFrm_Report::applyPath(std::string_view text) {
    changeList([this, text] { reportList_.applyPath(text); });
}

void TFrm_Report::showInFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFrm_Report::showEntries() {
    FileLBx->clear();
    for (const std::string& name : reportList_.entries()) {
        auto* entry = new QListWidgetItem(fromUtf8(name), FileLBx);
        entry->setSizeHint(QSize(0, kFileListItemHeight));
    }
}

void TFrm_Report::logStarted() {
    Mem->clear();
}

void TFrm_Report::logLine(std::string_view line) {
    Mem->appendPlainText(fromUtf8(line));
}

// The list shows what the reset works on: the RINEX folder's observation files while it
// looks for the pair (and after a failure there), then the reports.
void TFrm_Report::folderListed(const FolderListing& listing) {
    changeList([this, &listing] { reportList_.showListing(listing); });
}

void TFrm_Report::reportShown(std::string_view, const std::vector<std::string>& lines) {
    Mem->setPlainText(reportText(lines));
}

void TFrm_Report::reportAlreadyReset(std::string_view message) {
    services_.dialogs.showInformation(this, fromUtf8(message));
}

}  // namespace chronoflip
