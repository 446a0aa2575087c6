#pragma once

#include "readers/conversion.h"
#include "readers/gnss_systems.h"
#include "readers/numbered_lines.h"
#include "readers/observation_codes.h"
#include "readers/text_buffer.h"

namespace chronoflip {

// Reads a RINEX 3 or 4 observation header, from its first line to END OF HEADER, and
// writes its RINEX 2.11 form: records kept, rewritten or left out, the file-wide type list
// where the first SYS / # / OBS TYPES record stood, and the conversion's comments after
// PGM / RUN BY / DATE. Returns the choice of codes the data are converted by; tells the
// report which systems were left out. A fault fails through lines.
TypeChoice convertObservationHeader(NumberedLines& lines, TextBuffer& out,
                                    const ConversionSource& source, KeptSystems kept,
                                    ConversionReport& report);

}  // namespace chronoflip
