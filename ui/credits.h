#pragma once

namespace chronoflip {

// Those thanked in the main window's status bar and in the About window.
inline constexpr auto kStatusBarCredits = "  the Chronoflip contributors";
inline constexpr auto kAboutCredits = "Written and tested by the Chronoflip contributors.";

}  // namespace chronoflip
