#include <algorithm>
#include <array>

#include "core/error.h"
#include "core/text_fields.h"
#include "shift/rewriter.h"
#include "shift/rinex_comment_block.h"
#include "shift/year_extension.h"

namespace chronoflip {

namespace {

// TIME OF FIRST OBS / TIME OF LAST OBS: year, month, day as I6 fields.
constexpr Columns kHeaderYear{1, 6};
constexpr Columns kHeaderMonth{7, 6};
constexpr Columns kHeaderDay{13, 6};
constexpr int kAfterHeaderYear = 7;
// Epoch line: two-digit year in columns 2-3 after a blank; the seconds field (F11.7,
// columns 16-26) puts its decimal point in column 19, which is how epochs are told apart.
constexpr Columns kEpochYear{1, 3};
constexpr int kAfterEpochYear = 4;
constexpr std::size_t kEpochPointIndex = 18;
// The record label field begins in column 61.
constexpr std::size_t kLabelStart = 60;

struct ObservationHeader {
    bool haveFirstDate = false;
    CalendarDate first;
    CalendarDate last;
    std::array<std::string, 2> oldTimeLines;  // first, then last when the header had it
    std::size_t oldTimeLineCount = 0;
};

CalendarDate readHeaderDate(std::string_view line) {
    return {static_cast<std::uint16_t>(parseField(line, kHeaderYear)),
            static_cast<std::uint8_t>(parseField(line, kHeaderMonth)),
            static_cast<std::uint8_t>(parseField(line, kHeaderDay))};
}

void writeShiftedHeaderYear(LineWriter& out, std::string_view line, std::uint16_t year,
                            const DateCorrections& corrections) {
    out.put("  ");
    out.putInt(year - corrections.YearCorr);
    out.put(fromColumn(line, kAfterHeaderYear));
    out.endLine();
}

// Returns false once END OF HEADER has been written.
bool rewriteHeaderLine(RewriteJob& job, ObservationHeader& header, std::string_view line) {
    const std::string_view label = headerLabel(line);
    LineWriter& out = job.work;
    DateCorrections& corrections = job.corrections;
    if (label == "END OF HEADER") {
        if (!header.haveFirstDate) throw Error(kNoFirstObservation);
        writeRinexCommentBlock(out, job.stamp, header.first.year, job.file.gpsWeek, corrections,
                               std::span(header.oldTimeLines.data(), header.oldTimeLineCount));
        out.line(line);
        return false;
    }
    if (label == "TIME OF FIRST OBS") {
        const CalendarDate read = readHeaderDate(line);
        header.first = checkedDate(read.year, read.month, read.day);
        header.haveFirstDate = true;
        job.file.firstDate = header.first;
        corrections.SetDateCorrections(header.first);
        writeShiftedHeaderYear(out, line, header.first.year, corrections);
        header.oldTimeLines[0] = oldTimeLine(header.first, false);
        header.oldTimeLineCount = std::max<std::size_t>(header.oldTimeLineCount, 1);
        if (job.outputMode == kYearInExtension) {
            job.file.yearExtension =
                yearBearingExtension(header.first.year, corrections.YearCorr, 'o');
        }
        return true;
    }
    if (label == "TIME OF LAST OBS") {
        header.last = readHeaderDate(line);
        writeShiftedHeaderYear(out, line, header.last.year, corrections);
        header.oldTimeLines[1] = oldTimeLine(header.last, true);
        header.oldTimeLineCount = 2;
        return true;
    }
    if (label == "LEAP SECONDS") {
        out.put(line.substr(0, kLabelStart));
        out.line("COMMENT");
        return true;
    }
    out.line(line);
    return true;
}

void writeDataLine(LineWriter& out, std::string_view line, const DateCorrections& corrections) {
    if (line.size() <= kEpochPointIndex || line[kEpochPointIndex] != '.') {
        out.line(line);
        return;
    }
    std::uint16_t yy = static_cast<std::uint16_t>(parseField(line, kEpochYear));
    if (yy < corrections.YearCorr) yy += 100;
    const int shifted = yy - corrections.YearCorr;
    if (shifted <= 9) {
        out.put(" 0");
        out.putInt(shifted);
    } else {
        out.putInt(shifted, 3);
    }
    out.put(fromColumn(line, kAfterEpochYear));
    out.endLine();
}

}  // namespace

void rewriteObservation(RewriteJob& job) {
    job.progress.setProgressMax(job.lineCount);
    ObservationHeader header;
    bool inHeader = true;
    std::int32_t lineCounter = 0;
    while (!job.source.atEnd()) {
        const std::string_view line = job.source.next();
        if (inHeader) {
            inHeader = rewriteHeaderLine(job, header, line);
        } else {
            writeDataLine(job.work, line, job.corrections);
        }
        lineCounter = checkedInt32(std::int64_t{lineCounter} + 1);
        job.progress.setProgressPosition(lineCounter);
    }
    if (!header.haveFirstDate) throw Error(kNoFirstObservation);
}

}  // namespace chronoflip
