#pragma once

#include <string>
#include <vector>

namespace chronoflip::testing {

// headerLine of rinex_text.h, under the name the window tests know it by.
std::string record(const std::string& content, const std::string& label);

// An observation file of 2016 with one epoch. Markers after the first are written as
// event records inside the data; an empty receiver, antenna or height leaves its record out.
std::string observationFile(const std::vector<std::string>& markers,
                            const std::string& receiver = "TRIMBLE R8",
                            const std::string& antenna = "TRM41249.00",
                            const std::string& height = "1.5000");
// A navigation file of 2016 with one ephemeris record.
std::string navigationFile();

}  // namespace chronoflip::testing
