#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

#include "core/version.h"
#include "ui/Credits.h"
#include "ui/MainFrm.h"
#include "ui/PreviewTableModel.h"
#include "ui/QtText.h"
#include "ui/WindowFonts.h"

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

void TFrm_Main::createControls() {
    setFont(windowFont(kSmallFontPixels));
    createToolBar();

    PBar = new QProgressBar(this);
    PBar->setObjectName(QStringLiteral("PBar"));
    PBar->setTextVisible(false);
    PBar->setRange(0, static_cast<int>(progress_.maximum));
    PBar->setValue(0);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox->setUniformItemSizes(true);

    createPreviewGrid();

    Label1 = new QLabel(
        QStringLiteral(
            "(1) Antenna height may differ from entered field value due to Rinex conversion."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->adjustSize();

    Mem = new QPlainTextEdit(this);
    Mem->setObjectName(QStringLiteral("Mem"));
    Mem->setFont(logFont());
    Mem->setReadOnly(true);
    Mem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    createStatusBar();
    // Smaller, the status bar's panels would overlap, or the bar would cover the toolbar
    // and the progress bar: texts would print over each other.
    setMinimumSize(StatusBar1->minimumSizeHint().width(),
                   kProgressBarTop + kProgressBarHeight + kStatusBarHeight);
}

void TFrm_Main::createToolBar() {
    ToolBar1 = new QFrame(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    BtnOpen = toolButton("BtnOpen", "&Open", 0, kLargeFontPixels);
    BtnProcess = toolButton("BtnProcess", "&Process", 70, kSmallFontPixels);
    BtnClose = toolButton("BtnClose", "&Close", 140, kLargeFontPixels);
    toolBarSeparator(210, 8);
    BtnReports = toolButton("BtnReports", "&Reports", 218, kLargeFontPixels);
    toolBarSeparator(288, 7);
    BtnAbout = toolButton("BtnAbout", "&About", 295, kLargeFontPixels);
    toolBarSeparator(365, 7);

    Panel1 = new QWidget(ToolBar1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kToolBarEdge + 372, kToolBarEdge, 389, kToolButtonHeight);
    Label2 = new QLabel(QStringLiteral("Output file :"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(windowFont(kSmallFontPixels, true));
    Label2->move(16, 16);
    Label2->adjustSize();
    CbxOutputFile = new QComboBox(Panel1);
    CbxOutputFile->setObjectName(QStringLiteral("CbxOutputFile"));
    CbxOutputFile->setFont(windowFont(kSmallFontPixels, true));
    CbxOutputFile->setEditable(true);
    CbxOutputFile->setInsertPolicy(QComboBox::NoInsert);
    CbxOutputFile->addItems({QStringLiteral("e_prefix"),
                             QStringLiteral("Year value in file extension"),
                             QStringLiteral("Overwrite old file, create backup")});
    CbxOutputFile->setToolTip(QStringLiteral("Specify how the modified data is saved ..."));
    CbxOutputFile->setGeometry(88, 12, 297, CbxOutputFile->sizeHint().height());
}

QToolButton* TFrm_Main::toolButton(const char* name, const char* caption, int left,
                                   int fontPixels) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(name));
    button->setText(QLatin1String(caption));
    button->setFont(windowFont(fontPixels, true));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setGeometry(kToolBarEdge + left, kToolBarEdge, kToolButtonWidth, kToolButtonHeight);
    return button;
}

void TFrm_Main::toolBarSeparator(int left, int width) {
    auto* separator = new QFrame(ToolBar1);
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    separator->setGeometry(kToolBarEdge + left, kToolBarEdge, width, kToolButtonHeight);
}

void TFrm_Main::createPreviewGrid() {
    preview_ = new PreviewTableModel(kPreviewRows, this);
    StrGr = new QTableView(this);
    StrGr->setObjectName(QStringLiteral("StrGr"));
    StrGr->setModel(preview_);
    StrGr->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StrGr->setSelectionMode(QAbstractItemView::SingleSelection);
    StrGr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StrGr->setWordWrap(false);
    StrGr->verticalHeader()->hide();
    StrGr->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StrGr->verticalHeader()->setMinimumSectionSize(kPreviewRowHeight + kGridLine);
    StrGr->verticalHeader()->setDefaultSectionSize(kPreviewRowHeight + kGridLine);
    QHeaderView* heading = StrGr->horizontalHeader();
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setHighlightSections(false);
    heading->setFixedHeight(kPreviewRowHeight + kGridLine);
    for (int column = 0; column < kPreviewColumns; ++column) {
        heading->resizeSection(column, kPreviewColumnWidths[column] + kGridLine);
    }
}

void TFrm_Main::createStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setCursor(Qt::PointingHandCursor);
    // The window is sized by its frame. A grip would appear only once the window is shown,
    // making the bar wider than the window's minimum allows for.
    StatusBar1->setSizeGripEnabled(false);
    statusPanel(*StatusBar1, QStringLiteral("  ") + services_.help.title(), kHelpPanelWidth);
    statusPanel(*StatusBar1, QLatin1String(kStatusBarCredits), kCreditsPanelWidth);
    statusPanel(*StatusBar1,
                QStringLiteral("  Chronoflip %1 (Febr. 2016)").arg(fromUtf8(kProgramVersion)), 0);
}

// The list, the grid and the log share what the window has grown beyond its designed size;
// everything else keeps its place from the top left.
void TFrm_Main::arrangeControls() {
    const QSize growth = frameGeometry().size() - kDesignedSize;
    const int listGrowth = growth.height() / 3;
    const int gridGrowth = growth.height() / 3;
    const int logGrowth = growth.height() - listGrowth - gridGrowth;
    const int controlsWidth = std::max(kControlsWidth + growth.width(), 0);

    ToolBar1->setGeometry(0, 0, width(), kToolBarHeight);
    PBar->setGeometry(kControlsLeft, kProgressBarTop, controlsWidth, kProgressBarHeight);
    FileListBox->setGeometry(kControlsLeft, 82, controlsWidth, std::max(97 + listGrowth, 0));
    const int gridTop = 192 + listGrowth;
    StrGr->setGeometry(kControlsLeft, gridTop, controlsWidth, std::max(145 + gridGrowth, 0));
    Label1->move(392, gridTop + 152 + gridGrowth);
    Mem->setGeometry(kControlsLeft, gridTop + 176 + gridGrowth, controlsWidth,
                     std::max(169 + logGrowth, 0));
    StatusBar1->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
}

}  // namespace chronoflip
