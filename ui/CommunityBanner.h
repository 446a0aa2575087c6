#pragma once

#include <QPixmap>
#include <QSize>

namespace chronoflip {

// The community web site's banner, drawn for the given size in device-independent pixels.
QPixmap communityBanner(QSize size, qreal devicePixelRatio);

}  // namespace chronoflip
