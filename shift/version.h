#pragma once

#include <string_view>

namespace chronoflip {

// The main window's caption; the stamp written into every shifted file takes the
// version from its last three characters.
inline constexpr std::string_view kProgramCaption = "Chronoflip 1.8";
inline constexpr std::string_view kProgramVersion = "1.8";

}  // namespace chronoflip
