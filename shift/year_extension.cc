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

}  // namespace chronoflip
