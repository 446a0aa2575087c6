#include "shift/year_extension.h"

#include "core/calendar.h"
#include "core/text_fields.h"

namespace chronoflip {

std::string yearBearingExtension(std::uint16_t firstYear, std::uint16_t years, FileKind kind) {
    const int shifted = firstYear - years;
    const std::uint16_t v = toYear(shifted >= 2000 ? shifted - 2000 : shifted - 1900);
    std::string extension = v < 10 ? ".0" : ".";
    extension += decimal(v);
    extension += kindLetter(kind);
    return extension;
}

std::string yearExtensionIfAsked(const RewriteJob& job, std::uint16_t firstYear, FileKind kind) {
    return job.buildYearExtension ? yearBearingExtension(firstYear, job.corrections.years, kind)
                                  : std::string();
}

std::uint16_t shiftedTwoDigitYear(std::uint16_t year, const CorrectionPair& pair) {
    if (year < pair.years) year = static_cast<std::uint16_t>(year + 100);
    return static_cast<std::uint16_t>(year - pair.years);
}

}  // namespace chronoflip
