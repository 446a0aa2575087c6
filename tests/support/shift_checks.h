#pragma once

#include <string>
#include <vector>

namespace chronoflip::testing {

// The lines of a source as the rewriters read them: decoded as its name asks.
std::vector<std::string> linesOf(const std::string& path);

// Expects out, a shifted RINEX 2 navigation file, to be in, its source, with every line in
// place except the dated ones (moved back 28 years and 1461 weeks) and the comment block
// before END OF HEADER, which shows the first record's year and the DELTA-UTC week.
void expectShiftedNavigation(const std::vector<std::string>& in,
                             const std::vector<std::string>& out);

}  // namespace chronoflip::testing
