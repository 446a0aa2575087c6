#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace chronoflip::testing {

// The path conversions of test texts name in their messages and comments.
inline constexpr std::string_view kNavigationPath = "/gps/BRDC00IGS_R_20201360000_01D_MN.rnx";
inline constexpr std::string_view kNavigationName = "BRDC00IGS_R_20201360000_01D_MN.rnx";

// A RINEX 3 or 4 navigation text converted as the version gate hands it over, with the
// version its first line writes: handed out in pieces of chunk bytes, read in requests of
// request bytes; the report's note in note.
std::string convertNavigation(const std::string& text, std::string* note = nullptr,
                              std::size_t chunk = 1 << 20, std::size_t request = 1 << 16);

// The lines, each ended with LF.
std::string joinedLines(std::initializer_list<std::string_view> lines);

}  // namespace chronoflip::testing
