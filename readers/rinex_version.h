#pragma once

#include <string>
#include <string_view>

namespace chronoflip {

// What a RINEX text is, by its first line (RINEX VERSION / TYPE), never by its name.
enum class RinexText {
    // RINEX 2, or a first line that is no RINEX VERSION / TYPE record: handed to the
    // rewriters as it is.
    kRinex2,
    // RINEX 3.00-3.05 or 4.00-4.02 observation data.
    kRinex3Observation,
    // RINEX 3.00-3.05 or 4.00-4.02 navigation data of GPS, mixed, or a blank system.
    kRinex3Navigation,
};

struct RinexFirstLine {
    RinexText text = RinexText::kRinex2;
    std::string version;  // columns 1-9 trimmed: "3.04"
};

// Reads the first line of a RINEX text. A version above 2 that the converter does not know,
// and a RINEX 3 or 4 file of another type or system (meteorological data, GLONASS
// navigation, ...), throw an Error naming version, type and system.
RinexFirstLine readRinexFirstLine(std::string_view line, const std::string& path);

}  // namespace chronoflip
