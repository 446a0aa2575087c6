#pragma once

#include <optional>
#include <string_view>

namespace chronoflip {

// The satellite systems a RINEX 2.11 file is written with. RINEX 2.11 holds GPS, GLONASS,
// Galileo and SBAS; BeiDou, QZSS and NavIC never reach it. The office programs the shift
// serves predate Galileo in RINEX 2 (GPSurvey takes GPS alone), so the user chooses.
enum class KeptSystems { kGps, kGpsGlonass, kGpsGlonassGalileoSbas };

// GPS and GLONASS: what the office programs take, SBAS serving no baseline.
inline constexpr KeptSystems kDefaultKeptSystems = KeptSystems::kGpsGlonass;

// "G", "GR", "GRES": the command line's and the settings store's spelling.
std::string_view systemLetters(KeptSystems systems);
std::optional<KeptSystems> keptSystemsFromLetters(std::string_view letters);

// Whether satellites of the system with this RINEX letter are written.
bool keeps(KeptSystems systems, char letter);

// The letters RINEX 3 and 4 know, in the order messages list their systems.
inline constexpr std::string_view kSystemLetters = "GRESCJI";

// A letter RINEX 3 and 4 know: G R E S C J I.
bool isSystemLetter(char letter);
// "GPS", "GLONASS", "Galileo", "SBAS", "BeiDou", "QZSS", "NavIC"; empty for other letters.
std::string_view systemName(char letter);

}  // namespace chronoflip
