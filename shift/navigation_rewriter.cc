#include <memory>

#include "core/error.h"
#include "core/text_fields.h"
#include "readers/decoded_input.h"
#include "shift/comment_block.h"
#include "shift/rewriter.h"
#include "shift/week_field.h"
#include "shift/year_extension.h"

namespace chronoflip {

namespace {

// DELTA-UTC: A0,A1,T,W - W, the reference week of the UTC parameters, as I9.
constexpr Columns kUtcWeek{51, 9};
constexpr int kBeforeUtcWeek = 50;
constexpr Columns kAfterUtcWeek{60, 21};
// PRN / EPOCH / SV CLK: satellite number, then " yy mm dd".
constexpr Columns kSatellite{1, 2};
constexpr Columns kRecordYear{3, 9};
constexpr int kAfterRecordYear = 6;
constexpr Columns kFirstYear{4, 2};
constexpr Columns kFirstMonth{7, 2};
constexpr Columns kFirstDay{10, 2};
constexpr std::int32_t kProgressMax = 1350;
// An ephemeris record is its first line and seven BROADCAST ORBIT lines; the sixth
// (BROADCAST ORBIT 5) carries the GPS week.
constexpr int kOrbitLines = 7;
constexpr int kWeekOrbitLine = 5;

// RINEX 2 reads a two-digit year of 80-99 as 1980-1999 and one of 00-79 as 2000-2079.
std::uint16_t fullYear(std::uint16_t twoDigitYear) {
    return static_cast<std::uint16_t>(twoDigitYear + (twoDigitYear >= 80 ? 1900 : 2000));
}

// Reads the source a second time, up to the first record after END OF HEADER, for the
// file's first date. The second reader is closed on every path.
CalendarDate lookAheadFirstDate(FileSystem& files, const std::string& path) {
    const std::unique_ptr<InputFile> input = openDecoded(files, path);
    LineReader reader(*input);
    bool headerEnded = false;
    while (!headerEnded && !reader.atEnd())
        headerEnded = headerLabel(reader.next()) == kEndOfHeaderLabel;
    if (!headerEnded) throw Error(kNoEndOfHeader);
    const std::string_view record = reader.next();
    const auto yy = static_cast<std::uint16_t>(parseField(record, kFirstYear));
    if (yy > 63535) throw Error(kRangeCheckError);
    const CalendarDate date =
        checkedDate(fullYear(yy), static_cast<std::uint8_t>(parseField(record, kFirstMonth)),
                    static_cast<std::uint8_t>(parseField(record, kFirstDay)));
    input->close();
    return date;
}

// What the header gives: the first record's date, and the week of the UTC parameters.
struct NavigationHeader {
    CalendarDate firstDate;
    std::int32_t gpsWeek = 0;
};

void writeUtcLine(RewriteJob& job, NavigationHeader& header, std::string_view line) {
    const auto week = static_cast<std::int32_t>(parseField(line, kUtcWeek));
    header.gpsWeek = week;
    if (week <= job.corrections.weeks) {
        job.work.line(line);
        return;
    }
    job.work.put(upToColumn(line, kBeforeUtcWeek));
    job.work.putInt(checkedInt32(std::int64_t{week} - job.corrections.weeks), 9);
    job.work.put(field(line, kAfterUtcWeek));
    job.work.endLine();
}

// Returns false once END OF HEADER has been written.
bool rewriteHeaderLine(RewriteJob& job, NavigationHeader& header, std::string_view line) {
    const std::string_view label = headerLabel(line);
    if (label == kEndOfHeaderLabel) {
        writeCommentBlock(
            job.work, kRinexComments, job.stamp,
            rinexYearWeekLine(header.firstDate.year, header.gpsWeek, job.corrections));
        job.work.line(line);
        return false;
    }
    if (label == "DELTA-UTC: A0,A1,T,W") {
        writeUtcLine(job, header, line);
    } else if (label == kLeapSecondsLabel) {
        writeLeapSecondsComment(job.work, line);
    } else {
        job.work.line(line);
    }
    return true;
}

void writeRecordFirstLine(RewriteJob& job, std::string_view line) {
    const std::uint16_t year = shiftedTwoDigitYear(
        static_cast<std::uint16_t>(parseField(line, kRecordYear)), job.corrections);
    job.work.put(upToColumn(line, kSatellite.length));
    job.work.putInt(year, 3);
    job.work.put(fromColumn(line, kAfterRecordYear));
    job.work.endLine();
}

// Copies the seven orbit lines after a record's first line, shifting the week. A file
// that ends inside the record gets the lines it has; none are made up.
std::int32_t rewriteOrbitLines(RewriteJob& job) {
    std::int32_t linesRead = 0;
    for (int orbitLine = 1; orbitLine <= kOrbitLines && !job.source.atEnd(); ++orbitLine) {
        const std::string_view line = job.source.next();
        ++linesRead;
        if (orbitLine == kWeekOrbitLine) {
            writeShiftedWeekLine(job.work, line, job.corrections.weeks);
        } else {
            job.work.line(line);
        }
    }
    return linesRead;
}

}  // namespace

std::string rewriteNavigation(RewriteJob& job) {
    NavigationHeader header;
    header.firstDate = lookAheadFirstDate(job.files, job.sourcePath);
    job.corrections = kShiftPair;
    const std::string yearExtension =
        yearExtensionIfAsked(job, header.firstDate.year, FileKind::kNavigation);
    job.progress.countLines(kProgressMax);
    bool inHeader = true;
    while (!job.source.atEnd()) {
        const std::string_view line = job.source.next();
        job.progress.advance();
        if (inHeader) {
            inHeader = rewriteHeaderLine(job, header, line);
        } else if (parseField(line, kSatellite) != 0) {
            // Lines that start no record (blank lines among the records) are left out.
            writeRecordFirstLine(job, line);
            job.progress.advance(rewriteOrbitLines(job));
        }
    }
    return yearExtension;
}

}  // namespace chronoflip
