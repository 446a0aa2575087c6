#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace chronoflip {

// The date as the modification stamp shows it, for the window and the command line
// alike: the user's short date format (the user's LC_TIME on POSIX, the user's locale on
// Windows), folded into printable ASCII by asciiDateText.
std::string shortDateText(const std::tm& date);

// The local calendar time now, as the user's clock shows it.
std::tm localNow();

// The platform's text of the date, made fit for ASCII file headers: digits of any script
// become ASCII digits, invisible marks (right-to-left and the like) are left out, other
// spaces become blanks. A text that still holds anything outside printable ASCII (words of
// another script), that is empty, or that is too long for the stamp's line of the comment
// blocks gives way to the ISO 8601 date (2026-12-08), which reads the same everywhere.
std::string asciiDateText(std::wstring_view platformText, const std::tm& date);

}  // namespace chronoflip
