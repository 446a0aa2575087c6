#include <algorithm>
#include <array>

#include "core/error.h"
#include "core/text_fields.h"
#include "shift/comment_block.h"
#include "shift/rewriter.h"
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

struct ObservationHeader {
    bool haveFirstDate = false;
    CalendarDate first;
    CalendarDate last;
    std::array<std::string, 2> oldTimeLines;  // first, then last when the header had it
    std::size_t oldTimeLineCount = 0;
    std::string yearExtension;
};

CalendarDate readHeaderDate(std::string_view line) {
    return {static_cast<std::uint16_t>(parseField(line, kHeaderYear)),
            static_cast<std::uint8_t>(parseField(line, kHeaderMonth)),
            static_cast<std::uint8_t>(parseField(line, kHeaderDay))};
}

void writeShiftedHeaderYear(LineWriter& out, std::string_view line, std::uint16_t year,
                            const CorrectionPair& corrections) {
    out.put("  ");
    out.putInt(year - corrections.years);
    out.put(fromColumn(line, kAfterHeaderYear));
    out.endLine();
}

// Returns false once END OF HEADER has been written.
bool rewriteHeaderLine(RewriteJob& job, ObservationHeader& header, std::string_view line) {
    const std::string_view label = headerLabel(line);
    LineWriter& out = job.work;
    CorrectionPair& corrections = job.corrections;
    if (label == kEndOfHeaderLabel) {
        if (!header.haveFirstDate) throw Error(kNoFirstObservation);
        // Observation files carry no GPS week.
        writeCommentBlock(out, kRinexComments, job.stamp,
                          rinexYearWeekLine(header.first.year, 0, corrections),
                          std::span(header.oldTimeLines.data(), header.oldTimeLineCount));
        out.line(line);
        return false;
    }
    if (label == "TIME OF FIRST OBS") {
        const CalendarDate read = readHeaderDate(line);
        header.first = checkedDate(read.year, read.month, read.day);
        header.haveFirstDate = true;
        corrections = kShiftPair;
        writeShiftedHeaderYear(out, line, header.first.year, corrections);
        header.oldTimeLines[0] = oldTimeLine(header.first, false);
        header.oldTimeLineCount = std::max<std::size_t>(header.oldTimeLineCount, 1);
        header.yearExtension = yearExtensionIfAsked(job, header.first.year, FileKind::kObservation);
        return true;
    }
    if (label == "TIME OF LAST OBS") {
        header.last = readHeaderDate(line);
        writeShiftedHeaderYear(out, line, header.last.year, corrections);
        header.oldTimeLines[1] = oldTimeLine(header.last, true);
        header.oldTimeLineCount = 2;
        return true;
    }
    if (label == kLeapSecondsLabel) {
        writeLeapSecondsComment(out, line);
        return true;
    }
    out.line(line);
    return true;
}

void writeDataLine(LineWriter& out, std::string_view line, const CorrectionPair& corrections) {
    if (line.size() <= kEpochPointIndex || line[kEpochPointIndex] != '.') {
        out.line(line);
        return;
    }
    const std::uint16_t shifted =
        shiftedTwoDigitYear(static_cast<std::uint16_t>(parseField(line, kEpochYear)), corrections);
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

std::string rewriteObservation(RewriteJob& job) {
    job.progress.countBytes();
    ObservationHeader header;
    bool inHeader = true;
    while (!job.source.atEnd()) {
        const std::string_view line = job.source.next();
        if (inHeader) {
            inHeader = rewriteHeaderLine(job, header, line);
        } else {
            writeDataLine(job.work, line, job.corrections);
        }
        job.progress.advance();
    }
    if (!header.haveFirstDate) throw Error(kNoFirstObservation);
    return header.yearExtension;
}

}  // namespace chronoflip
