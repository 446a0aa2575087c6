#pragma once

#include <string_view>

namespace chronoflip {

// True when name matches one of the patterns of mask, joined by semicolons: "*" stands for
// any run of characters, "?" for exactly one. Letters match without regard to case.
bool matchesMask(std::string_view name, std::string_view mask);

// Orders names alphabetically without regard to case; names equal but for case keep a
// fixed order by their bytes.
bool lessIgnoringCase(std::string_view a, std::string_view b);

// Compares letters without regard to case (ASCII letters; other bytes as they are).
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace chronoflip
