#include "core/error.h"
#include "core/text_fields.h"
#include "shift/comment_block.h"
#include "shift/rewriter.h"

namespace chronoflip {

namespace {

// Line 1: "#", version, P/V flag, then the first epoch "yyyy mm dd ...".
constexpr Columns kYear{4, 4};
constexpr Columns kMonth{9, 2};
constexpr Columns kDay{12, 2};
constexpr int kAfterYear = 8;
// Line 2: "## ", then the GPS week of the first epoch in columns 4-7.
constexpr Columns kWeek{4, 4};
constexpr int kAfterWeek = 8;
constexpr std::int32_t kProgressMax = 3200;
// The SP3 year/week line gives the pair's years three characters, one fewer than RINEX.
constexpr std::size_t kYearsWidth = 3;

std::int64_t shiftedYear(std::string_view line, const CorrectionPair& pair) {
    const auto year = static_cast<std::uint16_t>(parseField(line, kYear));
    const std::int64_t shifted = year - pair.years;
    if (shifted < 0) throw Error(kRangeCheckError);
    return shifted;
}

}  // namespace

std::string rewriteSp3(RewriteJob& job) {
    job.progress.countLines(kProgressMax);
    LineWriter& out = job.work;
    CorrectionPair& pair = job.corrections;

    const std::string_view first = job.source.next();
    const CalendarDate firstDate = checkedDate(static_cast<std::uint16_t>(parseField(first, kYear)),
                                               static_cast<std::uint8_t>(parseField(first, kMonth)),
                                               static_cast<std::uint8_t>(parseField(first, kDay)));
    pair = kShiftPair;
    const std::int64_t firstYear = shiftedYear(first, pair);
    out.put("#cP");
    out.putInt(firstYear);
    out.put(fromColumn(first, kAfterYear));
    out.endLine();
    job.progress.advance();
    // A file of one line has no line 2 to rewrite and no epoch to put a block before.
    if (job.source.atEnd()) return {};

    const std::string_view second = job.source.next();
    const auto gpsWeek = static_cast<std::int32_t>(parseField(second, kWeek));
    out.put("## ");
    out.putInt(std::int64_t{gpsWeek} - pair.weeks, 4);
    out.put(fromColumn(second, kAfterWeek));
    out.endLine();
    // The unshifted year and week, the week whatever its value.
    const std::string yearWeek = commentLine(
        kSp3Comments, yearWeekText(firstDate.year, pair, kYearsWidth, decimal(gpsWeek)));
    job.progress.advance();

    bool blockWritten = false;
    while (!job.source.atEnd()) {
        const std::string_view line = job.source.next();
        if (!line.empty() && line.front() == '*') {
            if (!blockWritten) {
                writeCommentBlock(out, kSp3Comments, job.stamp, yearWeek);
                blockWritten = true;
            }
            const std::int64_t year = shiftedYear(line, pair);
            out.put("*  ");
            out.putInt(year);
            out.put(fromColumn(line, kAfterYear));
            out.endLine();
        } else {
            out.line(line);
        }
        job.progress.advance();
    }
    return {};
}

}  // namespace chronoflip
