#include <algorithm>
#include <array>
#include <cstring>
#include <span>

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
constexpr std::size_t kEpochPointIndex = kEpochLineMark.index;

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

bool isEpochLine(std::string_view line) {
    return line.size() > kEpochPointIndex && line[kEpochPointIndex] == '.';
}

std::uint16_t shiftedEpochYear(std::string_view line, const CorrectionPair& corrections) {
    return shiftedTwoDigitYear(static_cast<std::uint16_t>(parseField(line, kEpochYear)),
                               corrections);
}

// Columns 1-3 of a shifted epoch line: the year right-aligned, a single digit after " 0".
// False when the year needs more columns: only a field read as negative gives one ("-12"
// reads as 65524), and such a line comes out wider.
bool threeColumnYear(std::uint16_t shifted, std::array<char, 3>& text) {
    if (shifted > 999) return false;
    text = {' ', '0', static_cast<char>('0' + shifted % 10)};
    if (shifted >= 10) text[1] = static_cast<char>('0' + shifted / 10 % 10);
    if (shifted >= 100) text[0] = static_cast<char>('0' + shifted / 100);
    return true;
}

void writeEpochLine(LineWriter& out, std::string_view line, std::uint16_t shifted) {
    std::array<char, 3> year;
    if (threeColumnYear(shifted, year)) {
        out.put({year.data(), year.size()});
    } else {
        out.putInt(shifted);
    }
    out.put(fromColumn(line, kAfterEpochYear));
    out.endLine();
}

void writeDataLine(LineWriter& out, std::string_view line, const CorrectionPair& corrections) {
    if (isEpochLine(line)) {
        writeEpochLine(out, line, shiftedEpochYear(line, corrections));
    } else {
        out.line(line);
    }
}

std::string_view between(const char* from, const char* to) {
    return {from, static_cast<std::size_t>(to - from)};
}

// The data section changes only in the epoch lines' years, so whole lines are rewritten
// where the reader holds them and handed on in runs, not copied line by line: a year is
// patched in place when it keeps its width, an LF line gets its CR while it is copied.
class DataBlock {
  public:
    DataBlock(RewriteJob& job, std::span<char> text)
        : job_(job), pending_(text.data()), end_(text.data() + text.size()) {}

    // The bar moves at every epoch, often enough for the window to repaint smoothly; the
    // lines are counted with the block.
    void epochLine(char* line) {
        job_.progress.advance(0);
        const std::uint16_t shifted = shiftedEpochYear({line, kEpochPointIndex}, job_.corrections);
        std::array<char, 3> year;
        if (threeColumnYear(shifted, year)) {
            std::memcpy(line, year.data(), year.size());
            return;
        }
        const char* const lf = static_cast<const char*>(std::memchr(line, '\n', end_ - line));
        job_.work.pass(between(pending_, line));
        writeEpochLine(job_.work, between(line, lf - (lf[-1] == '\r')), shifted);
        pending_ = lf + 1;
    }
    void bareLf(const char* lf) {
        // Unless its line was written whole already.
        if (pending_ > lf) return;
        job_.work.pass(between(pending_, lf));
        job_.work.endLine();
        pending_ = lf + 1;
    }
    void finish() { job_.work.pass(between(pending_, end_)); }

  private:
    RewriteJob& job_;
    const char* pending_;  // the first byte not handed on yet
    const char* end_;
};

void rewriteDataLines(RewriteJob& job, const LineReader::LineBlock& block) {
    DataBlock rewrite(job, block.text);
    char* const data = block.text.data();
    if (block.crLf && block.marksFound) {
        // Only the epoch lines need a look; the reader found all but the first.
        const char* const lf = static_cast<const char*>(std::memchr(data, '\n', block.text.size()));
        if (isEpochLine(between(data, lf - 1))) rewrite.epochLine(data);
        for (const std::uint32_t offset : block.marked)
            rewrite.epochLine(block.markedFrom + offset);
    } else {
        char* const end = data + block.text.size();
        for (char* line = data; line != end;) {
            char* const lf = static_cast<char*>(std::memchr(line, '\n', end - line));
            const bool crLf = lf != line && lf[-1] == '\r';
            if (isEpochLine(between(line, lf - crLf))) rewrite.epochLine(line);
            if (!crLf) rewrite.bareLf(lf);
            line = lf + 1;
        }
    }
    rewrite.finish();
    job.progress.advance(static_cast<std::int32_t>(block.lines));
}

}  // namespace

std::string rewriteObservation(RewriteJob& job) {
    job.progress.countBytes();
    ObservationHeader header;
    bool inHeader = true;
    while (inHeader && !job.source.atEnd()) {
        inHeader = rewriteHeaderLine(job, header, job.source.next());
        job.progress.advance();
    }
    while (!job.source.atEnd()) {
        const LineReader::LineBlock block = job.source.wholeLines();
        if (!block.text.empty()) {
            rewriteDataLines(job, block);
            continue;
        }
        writeDataLine(job.work, job.source.next(), job.corrections);
        job.progress.advance();
    }
    if (!header.haveFirstDate) throw Error(kNoFirstObservation);
    return header.yearExtension;
}

}  // namespace chronoflip
