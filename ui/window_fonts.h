#pragma once

#include <QFont>

namespace chronoflip {

// Sizes in pixels at 96 dots per inch: 11 for 8 point, 13 for 10 point.
inline constexpr int kSmallFontPixels = 11;
inline constexpr int kLargeFontPixels = 13;

// The windows' face, or the platform's sans-serif face where it is missing.
QFont windowFont(int pixels, bool bold = false);
// A fixed-pitch face for the log, so columns line up.
QFont logFont();

}  // namespace chronoflip
