#include "ui/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/about_text.h"
#include "ui/click_watcher.h"
#include "ui/community_banner.h"
#include "ui/handler_guard.h"
#include "ui/window_fonts.h"

namespace chronoflip {

namespace {

constexpr QPoint kDesignedPosition(781, 317);
constexpr QSize kClientSize(484, 512);
constexpr QRect kBannerPlace(11, 442, 265, 61);

}  // namespace

AboutWindow::AboutWindow(QWidget& mainWindow, UserDialogs& dialogs, const HelpPage& help)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs),
      help_(help) {
    setObjectName(QStringLiteral("Frm_About"));
    setWindowTitle(QStringLiteral("About Chronoflip"));
    setFont(windowFont(kSmallFontPixels));
    setFixedSize(kClientSize);
    move(kDesignedPosition);

    auto* text = new QPlainTextEdit(aboutText(help), this);
    text->setObjectName(QStringLiteral("Memo1"));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setGeometry(2, 5, 481, 417);

    auto* bannerCaption =
        new QLabel(QStringLiteral(" Proud member of     Click to check for updates"), this);
    bannerCaption->setObjectName(QStringLiteral("Label1"));
    bannerCaption->setFont(windowFont(kSmallFontPixels, true));
    bannerCaption->move(3, 424);
    bannerCaption->adjustSize();

    auto* bannerFrame = new QFrame(this);
    bannerFrame->setObjectName(QStringLiteral("Bevel1"));
    bannerFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bannerFrame->setGeometry(8, 440, 272, 67);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("ImageCairnlink"));
    banner->setGeometry(kBannerPlace);
    banner->setScaledContents(true);
    banner->setPixmap(communityBanner(kBannerPlace.size(), devicePixelRatioF(), help.title()));
    banner->setToolTip(QStringLiteral("Click to connect ..."));
    banner->setCursor(Qt::PointingHandCursor);
    onClick(*banner, [this] { runGuarded(dialogs_, this, [this] { openHelpPage(); }); });

    auto* closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("BtnClose"));
    closeButton->setFont(windowFont(kSmallFontPixels, true));
    closeButton->setGeometry(286, 440, 195, 67);
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void AboutWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

void AboutWindow::openHelpPage() {
    help_.open(dialogs_, this);
}

}  // namespace chronoflip
