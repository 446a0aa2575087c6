#include "reports/report_date_reset.h"

#include "core/error.h"
#include "core/line_reader.h"
#include "core/text_fields.h"
#include "reports/pair_search.h"
#include "reports/report_paths.h"
#include "reports/report_rewrite.h"
#include "reports/report_text.h"

namespace chronoflip {

namespace {

constexpr std::uint8_t kProjectFolderDepth = 2;  // the reports sit in Reports/Baseline

// The report's own wording, with the system's reason in its words.
Error reportFailure(std::string_view what, const std::string& path, const Error& error) {
    return Error(std::string(what) + " \"" + path + "\". " + error.code().message(), path,
                 error.code());
}

// The first observation file of the list's folder (if any) decides the pair; each of its
// year/week lines is logged.
PairSearchResult searchObservationFiles(ReportHost& host, ReportFiles& files) {
    const ReportList& list = host.reportList();
    if (list.count() == 0) return {};
    host.appendMemoLine(list.name(0));
    const auto input = files.openRead(joinPath(list.folder(), list.name(0)));
    LineReader reader(*input);
    const PairSearchResult result = searchCorrectionPair(reader, [&](const CorrectionPair& pair) {
        host.appendMemoLine("YearCorr = " + decimal(pair.YearCorr));
        host.appendMemoLine("WeekCorr = " + decimal(pair.WeekCorr));
    });
    input->close();
    return result;
}

void resetReport(ReportHost& host, ReportFiles& files, const std::string& name,
                 const std::string& path, const CorrectionPair& pair) {
    ReportText report;
    try {
        report = splitReport(files.readWhole(path));
    } catch (const Error& error) {
        throw reportFailure("Cannot open file", path, error);
    }
    host.showReport(name, report.lines);
    if (isMarkedReport(report.lines)) {
        host.showMessage(name + std::string(kAlreadyReset));
        return;
    }
    resetReportLines(report.lines, pair);
    try {
        files.replaceWhole(path, joinReport(report));
    } catch (const Error& error) {
        throw reportFailure("Cannot create file", path, error);
    }
}

}  // namespace

void resetReportDates(ReportHost& host, ReportFiles& files) {
    ReportList& list = host.reportList();
    if (list.count() == 0) {
        host.showMessage(kNoFilesToProcess);
        return;
    }
    host.clearMemo();
    host.appendMemoLine(decimal(list.count()) + " reports found.");
    const std::string reportFolder = list.folder();
    const std::string projectFolder = pathTailStrip(reportFolder, kProjectFolderDepth);
    host.appendMemoLine(projectFolder);
    const std::string rinexFolder = rinexFolderOf(projectFolder);
    host.appendMemoLine(rinexFolder);

    // Entered first, as the window's hidden folder list does: a missing RINEX folder
    // fails here, before the report list leaves the reports.
    list.workingFolder().enter(rinexFolder);
    list.setMask(kObservationMask);
    list.setFolder(rinexFolder);
    const PairSearchResult search = searchObservationFiles(host, files);
    const CorrectionPair pair = search.found ? search.pair : host.surveyDateQuery();

    // Listed afresh: reports added or removed since the window opened count.
    list.setMask(kReportMask);
    list.setFolder(reportFolder);
    const std::string folder = list.folder();
    const std::vector<std::string> reports = list.entries();
    for (const std::string& name : reports) {
        resetReport(host, files, name, joinPath(folder, name), pair);
    }

    for (int i = 0; i < 3; ++i) host.appendMemoLine(" ");
    host.appendMemoLine(kResetBanner);
    host.shellOpen(joinPath(reportFolder, kSummaryPage));
    host.closeWindow();
}

}  // namespace chronoflip
