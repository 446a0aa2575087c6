#pragma once

#include <QPixmap>
#include <QSize>

namespace chronoflip {

// The banner that leads to the help page (the user guide, or the web site the build names),
// drawn for the given size in device-independent pixels, with the page's title under the
// program's name.
QPixmap communityBanner(QSize size, qreal devicePixelRatio, const QString& pageTitle);

}  // namespace chronoflip
