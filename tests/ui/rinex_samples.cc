#include "rinex_samples.h"

#include "rinex_text.h"
#include "temp_folder.h"

namespace chronoflip::testing {

std::string record(const std::string& content, const std::string& label) {
    return headerLine(content, label);
}

std::string observationFile(const std::vector<std::string>& markers, const std::string& receiver,
                            const std::string& antenna, const std::string& height) {
    std::string text = crlf({kObservationVersion});
    if (!markers.empty()) text += crlf({headerLine(markers.front(), "MARKER NAME")});
    if (!receiver.empty())
        text += crlf({headerLine("1234                " + receiver, "REC # / TYPE / VERS")});
    if (!antenna.empty())
        text += crlf({headerLine("5678                " + antenna, "ANT # / TYPE")});
    if (!height.empty()) {
        text += crlf({headerLine("        " + height + "        0.0000        0.0000",
                                 "ANTENNA: DELTA H/E/N")});
    }
    text += crlf(
        {headerLine("  2016     2    18     0     0    0.0000000     GPS", "TIME OF FIRST OBS"),
         kEndOfHeader, " 16  2 18  0  0  0.0000000  0  1G01", "  20000000.000"});
    for (std::size_t i = 1; i < markers.size(); ++i) {
        text += crlf({" 16  2 18  0  1  0.0000000  3  1", headerLine(markers[i], "MARKER NAME")});
    }
    return text;
}

std::string navigationFile() {
    return crlf({kNavigationVersion, kEndOfHeader}) + ephemerisRecord(" 1 16  2 18  0  0  0.0");
}

}  // namespace chronoflip::testing
