#pragma once

namespace chronoflip {

// The people thanked in the main window's status bar and in the About window.
inline constexpr auto kStatusBarCredits =
    "  H. Verbeek (Belgium), A. Lindqvist (Sweden), T. Okafor (Kenya)";
inline constexpr auto kAboutCredits =
    "Written by H. Verbeek. Tested by the survey crews of the Chronoflip user community; "
    "RINEX advice by A. Lindqvist. The status bar names those who helped most.";

}  // namespace chronoflip
