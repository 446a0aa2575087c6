#include "rinex_text.h"

#include "temp_folder.h"

namespace chronoflip::testing {

std::string headerLine(const std::string& content, const std::string& label) {
    std::string line = content;
    line.resize(60, ' ');
    return line + label;
}

std::string ephemerisRecord(const std::string& firstLine, const std::string& weekLine) {
    return crlf({firstLine, kOrbitLine, kOrbitLine, kOrbitLine, kOrbitLine, weekLine, kOrbitLine,
                 kOrbitLine});
}

}  // namespace chronoflip::testing
