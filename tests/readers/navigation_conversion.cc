#include "navigation_conversion.h"

#include "memory_files.h"
#include "readers/rinex3_navigation_input.h"
#include "readers/rinex_version.h"

namespace chronoflip::testing {

std::string convertNavigation(const std::string& text, std::string* note, std::size_t chunk,
                              std::size_t request) {
    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    const std::string version = readRinexFirstLine(firstLine, std::string(kNavigationPath)).version;
    ConversionReport report;
    Rinex3NavigationInput input(
        std::make_unique<StringInput>(text, chunk),
        {std::string(kNavigationPath), std::string(kNavigationName), version},
        [text] { return std::make_unique<StringInput>(text); }, report);
    std::string converted = drain(input, request);
    if (note) *note = report.note;
    return converted;
}

std::string joinedLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace chronoflip::testing
