#pragma once

#include <cstdint>
#include <string>

#include "core/correction_pair.h"
#include "readers/source_name.h"
#include "shift/rewriter.h"

namespace chronoflip {

// ".88o" for a first year of 2016 shifted by 28 years: the shifted year's last two
// digits (three from 2100 on) and the kind's letter. A shifted year below 1900 throws
// "Range check error".
std::string yearBearingExtension(std::uint16_t firstYear, std::uint16_t years, FileKind kind);

// The year-bearing extension of a file whose first date has firstYear, when the job asks
// for one; empty otherwise.
std::string yearExtensionIfAsked(const RewriteJob& job, std::uint16_t firstYear, FileKind kind);

// A two-digit year moved back by the pair's years, a century added where it would fall
// below 00: with 28 years, 16 gives 88 and 30 gives 2.
std::uint16_t shiftedTwoDigitYear(std::uint16_t year, const CorrectionPair& pair);

}  // namespace chronoflip
