#include <gtest/gtest.h>

#include "rinex_text.h"
#include "run_helpers.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::headerLine;
using testing::TempFolder;

// Whatever a receiver, a broken transfer or a wrong file choice produces, each kind of
// rewrite ends with a result or one of its own messages, and the source stays as it was.
TEST(OddFiles, EndCleanlyWithAResultOrAMessage) {
    const std::string header = crlf({headerLine("  2016     2    17", "TIME OF FIRST OBS"),
                                     testing::kEndOfHeader, " 5 16  3  1"});
    const std::string sp3 = crlf({"#cP2016  2 18", "## 1884 345600.0"});
    const std::string hugeLine(5 << 20, 'G');
    const std::vector<std::pair<std::string, std::string>> contents = {
        {"empty", ""},
        {"one huge line", hugeLine},
        {"huge lines after a header", header + hugeLine + "\r\n*" + hugeLine + "\r\n" + hugeLine},
        {"only CRs", std::string(100000, '\r')},
        {"only LFs", std::string(100000, '\n')},
        {"Ctrl-Z in the middle", header + "\x1a" + hugeLine},
        {"NUL bytes", header + std::string(1000, '\0') + "\r\n" + sp3},
        {"no final line break", sp3 + "*  2016  2 18  0  0  0.0"},
        {"high bytes", header + std::string(300, '\xff') + "\r\n" + std::string(300, '\x80')},
    };
    TempFolder folder;
    int index = 0;
    for (const auto& [what, bytes] : contents) {
        for (const char* extension : {".16o", ".16n", ".sp3"}) {
            std::string name = std::to_string(index++);
            name += extension;
            const std::string error = testing::shiftError(folder, name, bytes);
            EXPECT_TRUE(error.empty() || error == "Invalid argument to date encode" ||
                        error == "Range check error" ||
                        error == "TIME OF FIRST OBS missing in header" ||
                        error == "END OF HEADER missing")
                << what << " as " << extension << ": " << error;
            EXPECT_TRUE(testing::fileExists(folder.file("e_" + name))) << what << extension;
        }
    }
}

}  // namespace
}  // namespace chronoflip
