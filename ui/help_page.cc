#include "ui/help_page.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "core/error.h"
#include "ui/desktop_open.h"

namespace chronoflip {

namespace {

constexpr auto kGuide = "guide.html";
// Programs go to bin/ and data to share/<name>/ below the same prefix.
constexpr auto kInstalledGuide = "../share/chronoflip/guide.html";

}  // namespace

QString builtWebAddress() {
    return QString::fromUtf8(CHRONOFLIP_WEB_ADDRESS);
}

HelpPage::HelpPage(DesktopShell& shell, QString webAddress, QString programFolder)
    : shell_(shell), webAddress_(std::move(webAddress)), programFolder_(std::move(programFolder)) {}

QString HelpPage::title() const {
    if (webAddress_.isEmpty()) return QStringLiteral("User guide");
    const QString host = QUrl(webAddress_).host();
    return host.isEmpty() ? webAddress_ : host;
}

void HelpPage::open(UserDialogs& dialogs, QWidget* owner) const {
    openOnDesktop(shell_, dialogs, owner, webAddress_.isEmpty() ? guidePath() : webAddress_);
}

QString HelpPage::guidePath() const {
    const QDir program(programFolder_);
    const QString beside = QDir::toNativeSeparators(program.filePath(QLatin1String(kGuide)));
    const QString installed =
        QDir::toNativeSeparators(QDir::cleanPath(program.filePath(QLatin1String(kInstalledGuide))));
    for (const QString& path : {beside, installed}) {
        if (QFileInfo::exists(path)) return path;
    }
    throw Error("The user guide is missing: neither " + beside.toStdString() + " nor " +
                installed.toStdString() + " exists.");
}

}  // namespace chronoflip
