#include "CommunitySite.h"

#include <QDesktopServices>
#include <QUrl>

namespace chronoflip {

namespace {

void openPage(const char* path) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kCommunitySite) + QLatin1String(path)));
}

}  // namespace

void openCommunityStartPage() {
    openPage("/");
}

void openCommunityForum() {
    openPage("/forum/");
}

}  // namespace chronoflip
