#pragma once

#include <QRect>
#include <vector>

namespace chronoflip {

// Where a window with the outer place and size `window` goes on a screen whose free area is
// `available`: where it is if it lies there whole, otherwise moved just far enough to, and
// made no larger than the area.
QRect fittedPlacement(const QRect& window, const QRect& available);

// Of the screens' free areas (the primary screen's first), the one a window with the outer
// place and size `window` lies on most, or the first when it lies on none.
QRect screenAreaFor(const QRect& window, const std::vector<QRect>& areas);

}  // namespace chronoflip
