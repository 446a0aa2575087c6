#pragma once

#include <QPoint>
#include <QRect>

namespace chronoflip {

// Where a window meant to lie at `designed` (outer edges) goes on a screen whose free area
// is `available`: at its designed place if it fits there, otherwise moved just far enough
// to lie wholly on the screen, its top left corner kept on the screen when it is larger.
QPoint fittedPosition(const QRect& designed, const QRect& available);

}  // namespace chronoflip
