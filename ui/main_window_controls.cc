#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

#include "core/version.h"
#include "ui/credits.h"
#include "ui/main_window.h"
#include "ui/preview_table_model.h"
#include "ui/qt_text.h"
#include "ui/window_fonts.h"

namespace chronoflip {

namespace {

// The window's designed outer size; controls keep their designed places at this size and
// the list, grid and log take up what the window grows beyond it.
constexpr QSize kDesignedSize(794, 622);
constexpr int kToolBarHeight = 49;
constexpr int kToolBarEdge = 2;
constexpr int kToolButtonWidth = 70;
constexpr int kToolButtonHeight = 45;
constexpr int kStatusBarHeight = 19;
constexpr int kProgressBarTop = 56;
constexpr int kProgressBarHeight = 23;
constexpr int kControlsLeft = 2;
constexpr int kControlsWidth = 764;
constexpr int kPreviewRows = 10;
// Grid lines take one pixel of each column and row.
constexpr int kPreviewColumnWidths[kPreviewColumns] = {148, 154, 161, 138, 135};
constexpr int kPreviewRowHeight = 18;
constexpr int kGridLine = 1;
constexpr int kCreditsPanelWidth = 320;
constexpr int kHelpPanelWidth = 200;

QLabel* statusPanel(QStatusBar& bar, const QString& text, int width) {
    auto* panel = new QLabel(text, &bar);
    panel->setFont(bar.font());
    if (width > 0) {
        panel->setFixedWidth(width);
        bar.addWidget(panel);
    } else {
        bar.addWidget(panel, 1);
    }
    return panel;
}

}  // namespace

void MainWindow::createControls() {
    setFont(windowFont(kSmallFontPixels));
    createToolBar();

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("PBar"));
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, static_cast<int>(progress_.maximum));
    progressBar_->setValue(0);

    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("FileListBox"));
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList_->setUniformItemSizes(true);

    createPreviewGrid();

    antennaHeightNote_ = new QLabel(
        QStringLiteral(
            "(1) Antenna height may differ from entered field value due to Rinex conversion."),
        this);
    antennaHeightNote_->setObjectName(QStringLiteral("Label1"));
    antennaHeightNote_->adjustSize();

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("Mem"));
    log_->setFont(logFont());
    log_->setReadOnly(true);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    createStatusBar();
    // Files dropped anywhere on the window are opened: the log and the output box, which
    // would take dropped text themselves, leave drops to the window.
    setAcceptDrops(true);
    log_->setAcceptDrops(false);
    outputModeBox_->lineEdit()->setAcceptDrops(false);
    // Smaller, the status bar's panels would overlap, or the bar would cover the toolbar
    // and the progress bar: texts would print over each other.
    setMinimumSize(statusBar_->minimumSizeHint().width(),
                   kProgressBarTop + kProgressBarHeight + kStatusBarHeight);
}

void MainWindow::createToolBar() {
    toolBar_ = new QFrame(this);
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setFrameStyle(QFrame::Box | QFrame::Sunken);

    openButton_ = toolButton("BtnOpen", "&Open", 0, kLargeFontPixels);
    processButton_ = toolButton("BtnProcess", "&Process", 70, kSmallFontPixels);
    closeButton_ = toolButton("BtnClose", "&Close", 140, kLargeFontPixels);
    toolBarSeparator(210, 8);
    reportsButton_ = toolButton("BtnReports", "&Reports", 218, kLargeFontPixels);
    toolBarSeparator(288, 7);
    aboutButton_ = toolButton("BtnAbout", "&About", 295, kLargeFontPixels);
    toolBarSeparator(365, 7);

    auto* outputPanel = new QWidget(toolBar_);
    outputPanel->setObjectName(QStringLiteral("Panel1"));
    outputPanel->setGeometry(kToolBarEdge + 372, kToolBarEdge, 389, kToolButtonHeight);
    // Two rows: how the copy is saved, and which systems a RINEX 3 file keeps.
    outputModeBox_ = labelledComboBox(*outputPanel, "Label2", "Output file :", "CbxOutputFile", 0);
    outputModeBox_->setEditable(true);
    outputModeBox_->setInsertPolicy(QComboBox::NoInsert);
    outputModeBox_->addItems({QStringLiteral("e_prefix"),
                              QStringLiteral("Year value in file extension"),
                              QStringLiteral("Overwrite old file, create backup")});
    outputModeBox_->setToolTip(QStringLiteral("Specify how the modified data is saved ..."));
    systemsBox_ = labelledComboBox(*outputPanel, "LblSystems", "Systems :", "CbxSystems", 1);
    systemsBox_->addItems({QStringLiteral("GPS only"), QStringLiteral("GPS and GLONASS"),
                           QStringLiteral("GPS, GLONASS, Galileo and SBAS")});
    systemsBox_->setToolTip(
        QStringLiteral("Satellite systems a RINEX 3 or 4 observation file keeps in its RINEX "
                       "2.11 copy; BeiDou, QZSS and NavIC are always left out"));
}

// A label and its combo box in one of the output panel's two rows.
QComboBox* MainWindow::labelledComboBox(QWidget& panel, const char* labelName, const char* caption,
                                        const char* boxName, int row) {
    constexpr int kRowHeight = kToolButtonHeight / 2;
    auto* label = new QLabel(QLatin1String(caption), &panel);
    label->setObjectName(QLatin1String(labelName));
    label->setFont(windowFont(kSmallFontPixels, true));
    label->move(16, 4 + row * (kRowHeight + 1));
    label->adjustSize();
    auto* box = new QComboBox(&panel);
    box->setObjectName(QLatin1String(boxName));
    box->setFont(windowFont(kSmallFontPixels, true));
    box->setGeometry(88, 1 + row * (kRowHeight + 1), 297,
                     std::min(box->sizeHint().height(), kRowHeight));
    return box;
}

QToolButton* MainWindow::toolButton(const char* name, const char* caption, int left,
                                    int fontPixels) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(QLatin1String(name));
    button->setText(QLatin1String(caption));
    button->setFont(windowFont(fontPixels, true));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setGeometry(kToolBarEdge + left, kToolBarEdge, kToolButtonWidth, kToolButtonHeight);
    return button;
}

void MainWindow::toolBarSeparator(int left, int width) {
    auto* separator = new QFrame(toolBar_);
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    separator->setGeometry(kToolBarEdge + left, kToolBarEdge, width, kToolButtonHeight);
}

void MainWindow::createPreviewGrid() {
    previewCells_ = new PreviewTableModel(kPreviewRows, this);
    previewGrid_ = new QTableView(this);
    previewGrid_->setObjectName(QStringLiteral("StrGr"));
    previewGrid_->setModel(previewCells_);
    previewGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    previewGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    previewGrid_->setWordWrap(false);
    previewGrid_->verticalHeader()->hide();
    previewGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    previewGrid_->verticalHeader()->setMinimumSectionSize(kPreviewRowHeight + kGridLine);
    previewGrid_->verticalHeader()->setDefaultSectionSize(kPreviewRowHeight + kGridLine);
    QHeaderView* heading = previewGrid_->horizontalHeader();
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setHighlightSections(false);
    heading->setFixedHeight(kPreviewRowHeight + kGridLine);
    for (int column = 0; column < kPreviewColumns; ++column) {
        heading->resizeSection(column, kPreviewColumnWidths[column] + kGridLine);
    }
}

void MainWindow::createStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setCursor(Qt::PointingHandCursor);
    // The window is sized by its frame. A grip would appear only once the window is shown,
    // making the bar wider than the window's minimum allows for.
    statusBar_->setSizeGripEnabled(false);
    statusPanel(*statusBar_, QStringLiteral("  ") + services_.help.title(), kHelpPanelWidth);
    statusPanel(*statusBar_, QLatin1String(kStatusBarCredits), kCreditsPanelWidth);
    statusPanel(*statusBar_,
                QStringLiteral("  Chronoflip %1 (Febr. 2016)").arg(fromUtf8(kProgramVersion)), 0);
}

// The list, the grid and the log share what the window has grown beyond its designed size;
// everything else keeps its place from the top left.
void MainWindow::arrangeControls() {
    const QSize growth = frameGeometry().size() - kDesignedSize;
    const int listGrowth = growth.height() / 3;
    const int gridGrowth = growth.height() / 3;
    const int logGrowth = growth.height() - listGrowth - gridGrowth;
    const int controlsWidth = std::max(kControlsWidth + growth.width(), 0);

    toolBar_->setGeometry(0, 0, width(), kToolBarHeight);
    progressBar_->setGeometry(kControlsLeft, kProgressBarTop, controlsWidth, kProgressBarHeight);
    fileList_->setGeometry(kControlsLeft, 82, controlsWidth, std::max(97 + listGrowth, 0));
    const int gridTop = 192 + listGrowth;
    previewGrid_->setGeometry(kControlsLeft, gridTop, controlsWidth, std::max(145 + gridGrowth, 0));
    antennaHeightNote_->move(392, gridTop + 152 + gridGrowth);
    log_->setGeometry(kControlsLeft, gridTop + 176 + gridGrowth, controlsWidth,
                      std::max(169 + logGrowth, 0));
    statusBar_->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
}

}  // namespace chronoflip
