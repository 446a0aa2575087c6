#include "reports/report_date_reset.h"

#include "core/error.h"
#include "core/folder_listing.h"
#include "core/line_reader.h"
#include "core/paths.h"
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

// A folder is entered before it is listed, as the report list does: one that is missing
// fails with the message for a missing folder.
FolderListing listFolder(const std::string& folder, std::string_view mask) {
    std::string entered = enterableFolder(folder, folder);
    std::vector<std::string> names = listFolderFiles(entered, mask);
    return {std::move(entered), std::string(mask), std::move(names)};
}

// The first observation file of the RINEX folder (if any) decides the pair; each of its
// year/week lines is logged.
PairSearchResult searchObservationFiles(const std::string& rinexFolder, ReportFiles& files,
                                        ReportResetObserver& observer) {
    const FolderListing observations = listFolder(rinexFolder, kObservationMask);
    observer.folderListed(observations);
    if (observations.names.empty()) return {};
    const std::string& first = observations.names.front();
    observer.logLine(first);
    const auto input = files.openRead(joinPath(observations.folder, first));
    LineReader reader(*input);
    const PairSearchResult result = searchCorrectionPair(reader, [&](const CorrectionPair& pair) {
        observer.logLine("YearCorr = " + decimal(pair.years));
        observer.logLine("WeekCorr = " + decimal(pair.weeks));
    });
    input->close();
    return result;
}

void resetReport(ReportFiles& files, ReportResetObserver& observer, const std::string& name,
                 const std::string& path, const CorrectionPair& pair) {
    ReportText report;
    try {
        report = splitReport(files.readWhole(path));
    } catch (const Error& error) {
        throw reportFailure("Cannot open file", path, error);
    }
    observer.reportShown(name, report.lines);
    if (isMarkedReport(report.lines)) {
        observer.reportAlreadyReset(name + std::string(kAlreadyReset));
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

ReportResetResult resetReportDates(const ReportResetRequest& request, ReportFiles& files,
                                   ReportResetObserver& observer) {
    if (request.listedReports == 0) return {};
    observer.logStarted();
    observer.logLine(decimal(static_cast<std::int64_t>(request.listedReports)) + " reports found.");
    const std::string projectFolder = pathTailStrip(request.reportFolder, kProjectFolderDepth);
    observer.logLine(projectFolder);
    const std::string rinexFolder = rinexFolderOf(projectFolder);
    observer.logLine(rinexFolder);

    const PairSearchResult search = searchObservationFiles(rinexFolder, files, observer);
    const CorrectionPair pair = search.found ? search.pair : request.surveyDateQuery();

    // Listed afresh: reports added or removed since the list was shown count.
    const FolderListing reports = listFolder(request.reportFolder, kReportMask);
    observer.folderListed(reports);
    for (const std::string& name : reports.names) {
        resetReport(files, observer, name, joinPath(reports.folder, name), pair);
    }

    for (int i = 0; i < 3; ++i) observer.logLine(" ");
    observer.logLine(kResetBanner);
    return {true, joinPath(request.reportFolder, kSummaryPage)};
}

}  // namespace chronoflip
