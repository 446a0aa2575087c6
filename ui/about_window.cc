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

TFrm_About::TFrm_About(QWidget& mainWindow, UserDialogs& dialogs, const HelpPage& help)
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

    Memo1 = new QPlainTextEdit(aboutText(help), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(2, 5, 481, 417);

    Label1 = new QLabel(QStringLiteral(" Proud member of     Click to check for updates"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(windowFont(kSmallFontPixels, true));
    Label1->move(3, 424);
    Label1->adjustSize();

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(8, 440, 272, 67);

    ImageCairnlink = new QLabel(this);
    ImageCairnlink->setObjectName(QStringLiteral("ImageCairnlink"));
    ImageCairnlink->setGeometry(kBannerPlace);
    ImageCairnlink->setScaledContents(true);
    ImageCairnlink->setPixmap(
        communityBanner(kBannerPlace.size(), devicePixelRatioF(), help.title()));
    ImageCairnlink->setToolTip(QStringLiteral("Click to connect ..."));
    ImageCairnlink->setCursor(Qt::PointingHandCursor);
    onClick(*ImageCairnlink, [this] { guarded(&TFrm_About::ImageCairnlinkClick); });

    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setFont(windowFont(kSmallFontPixels, true));
    BtnClose->setGeometry(286, 440, 195, 67);
    BtnClose->setAutoDefault(false);
    connect(BtnClose, &QPushButton::clicked, this, [this] { guarded(&TFrm_About::BtnCloseClick); });
}

void TFrm_About::showInFront() {
    show();
    raise();
    activateWindow();
}

bool TFrm_About::guarded(void (TFrm_About::*handler)()) {
    return runGuarded(dialogs_, this, [this, handler] { (this->*handler)(); });
}

void TFrm_About::BtnCloseClick() {
    close();
}

void TFrm_About::ImageCairnlinkClick() {
    help_.open(dialogs_, this);
}

}  // namespace chronoflip
