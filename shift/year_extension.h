#pragma once

#include <cstdint>
#include <string>

#include "shift/source_name.h"

namespace chronoflip {

// ".88o" for a first year of 2016 shifted by 28 years: the shifted year's last two
// digits (three from 2100 on) and the kind's letter. A shifted year below 1900 throws
// "Range check error".
std::string yearBearingExtension(std::uint16_t firstYear, std::uint16_t years, FileKind kind);

}  // namespace chronoflip
