#pragma once

#include <QString>

namespace chronoflip {

// The user community's web site, reached from the main window's status bar and the About
// window's banner.
inline constexpr auto kCommunitySite = "https://chronoflip.example.org";
inline constexpr auto kFeedbackAddress = "feedback@chronoflip.example.org";

// Hands the page to the desktop's browser. Whether a browser comes up is the desktop's
// business: a failure is not reported.
void openCommunityStartPage();
void openCommunityForum();

}  // namespace chronoflip
