#include "rinex_samples.h"

#include "temp_folder.h"

namespace chronoflip::testing {

std::string record(const std::string& content, const std::string& label) {
    std::string line = content;
    line.resize(60, ' ');
    return line + label;
}

std::string observationFile(const std::vector<std::string>& markers, const std::string& receiver,
                            const std::string& antenna, const std::string& height) {
    std::string text =
        crlf({record("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE")});
    if (!markers.empty()) text += crlf({record(markers.front(), "MARKER NAME")});
    if (!receiver.empty())
        text += crlf({record("1234                " + receiver, "REC # / TYPE / VERS")});
    if (!antenna.empty()) text += crlf({record("5678                " + antenna, "ANT # / TYPE")});
    if (!height.empty()) {
        text += crlf(
            {record("        " + height + "        0.0000        0.0000", "ANTENNA: DELTA H/E/N")});
    }
    text += crlf(
        {record("  2016     2    18     0     0    0.0000000     GPS", "TIME OF FIRST OBS"),
         record("", "END OF HEADER"), " 16  2 18  0  0  0.0000000  0  1G01", "  20000000.000"});
    for (std::size_t i = 1; i < markers.size(); ++i) {
        text += crlf({" 16  2 18  0  1  0.0000000  3  1", record(markers[i], "MARKER NAME")});
    }
    return text;
}

std::string navigationFile() {
    const std::string orbit =
        "    0.100000000000D+01 0.200000000000D+01 0.300000000000D+01 0.4D+01";
    const std::string week =
        "    0.123456789012D-09 0.100000000000D+01 0.188600000000D+04 0.000000000000D+00";
    return crlf({record("     2.11           N: GPS NAV DATA", "RINEX VERSION / TYPE"),
                 record("", "END OF HEADER"), " 1 16  2 18  0  0  0.0", orbit, orbit, orbit, orbit,
                 week, orbit, orbit});
}

}  // namespace chronoflip::testing
