#include <cstdlib>
#include <string>
#include <string_view>

#include "core/error.h"
#include "reports/report_rewrite.h"
#include "reports/report_text.h"

// Any bytes as a baseline report: the rewrite keeps every line (adding the marker and at
// most the padding up to it), writes only CR LF breaks that read back to the same lines
// and final break, and fails with nothing but its own message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const chronoflip::CorrectionPair pairs[] = {{6, 313}, {5, 261}, {22, 1148}, {28, 1461}};
    const chronoflip::CorrectionPair pair = pairs[data[0] % 4];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    chronoflip::ReportText report = chronoflip::splitReport(text);
    const std::size_t linesBefore = report.lines.size();
    try {
        chronoflip::resetReportLines(report.lines, pair);
    } catch (const chronoflip::Error& error) {
        if (std::string_view(error.what()) != chronoflip::kRangeCheckError) std::abort();
        return 0;
    }
    const std::size_t expected = linesBefore < 4 ? 5 : linesBefore + 1;
    if (report.lines.size() != expected) std::abort();
    const std::string written = chronoflip::joinReport(report);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const bool lf = written[i] == '\n';
        const bool cr = written[i] == '\r';
        if (lf && (i == 0 || written[i - 1] != '\r')) std::abort();
        if (cr && (i + 1 == written.size() || written[i + 1] != '\n')) std::abort();
    }
    // Read back, the written report is the rewritten one, final line break included.
    const chronoflip::ReportText again = chronoflip::splitReport(written);
    if (again.lines != report.lines || again.endsWithBreak != report.endsWithBreak) std::abort();
    return 0;
}
