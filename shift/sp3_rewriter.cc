#include "core/error.h"
#include "core/text_fields.h"
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

constexpr std::string_view kBlockLead = "/*                 ";  // "/*" and 17 blanks
constexpr std::string_view kBlockDashes =
    "/*----------------------------------------------------------";
constexpr std::string_view kBlockHeading =
    "/*                 DateTime   stamp   modified             :";
constexpr std::size_t kBlockTextWidth = 59;  // ":" follows in column 60

std::string blockLine(std::string text) {
    padTo(text, kBlockTextWidth);
    text += ':';
    return text;
}

// "/*                 Year 2016-28 Week 1884-1461             :" - unshifted values.
std::string yearWeekLine(std::uint16_t year, std::int32_t week, const DateCorrections& pair) {
    std::string text(kBlockLead);
    text += "Year ";
    text += decimal(year);
    text += '-';
    std::string yearCorr = decimal(pair.YearCorr);
    padTo(yearCorr, 3);
    text += yearCorr;
    text += "Week ";
    text += decimal(week);
    text += '-';
    text += decimal(pair.WeekCorr);
    return blockLine(std::move(text));
}

void writeBlock(LineWriter& out, std::string_view stamp, const std::string& yearWeek) {
    out.line(kBlockDashes);
    out.line(blockLine(std::string(kBlockLead) + std::string(stamp)));
    out.line(kBlockHeading);
    out.line(yearWeek);
    out.line(kBlockDashes);
}

std::int64_t shiftedYear(std::string_view line, const DateCorrections& pair) {
    const auto year = static_cast<std::uint16_t>(parseField(line, kYear));
    const std::int64_t shifted = year - pair.YearCorr;
    if (shifted < 0) throw Error(kRangeCheckError);
    return shifted;
}

}  // namespace

void rewriteSp3(RewriteJob& job) {
    job.progress.setProgressMax(kProgressMax);
    LineWriter& out = job.work;
    DateCorrections& pair = job.corrections;

    const std::string_view first = job.source.next();
    job.file.firstDate = checkedDate(static_cast<std::uint16_t>(parseField(first, kYear)),
                                     static_cast<std::uint8_t>(parseField(first, kMonth)),
                                     static_cast<std::uint8_t>(parseField(first, kDay)));
    pair.SetDateCorrections(job.file.firstDate);
    const std::int64_t firstYear = shiftedYear(first, pair);
    out.put("#cP");
    out.putInt(firstYear);
    out.put(fromColumn(first, kAfterYear));
    out.endLine();
    job.progress.setProgressPosition(1);
    // A file of one line has no line 2 to rewrite and no epoch to put a block before.
    if (job.source.atEnd()) return;

    const std::string_view second = job.source.next();
    job.file.gpsWeek = static_cast<std::int32_t>(parseField(second, kWeek));
    out.put("## ");
    out.putInt(std::int64_t{job.file.gpsWeek} - pair.WeekCorr, 4);
    out.put(fromColumn(second, kAfterWeek));
    out.endLine();
    const std::string yearWeek = yearWeekLine(job.file.firstDate.year, job.file.gpsWeek, pair);
    std::int32_t lineCounter = 2;
    job.progress.setProgressPosition(lineCounter);

    bool blockWritten = false;
    while (!job.source.atEnd()) {
        const std::string_view line = job.source.next();
        if (!line.empty() && line.front() == '*') {
            if (!blockWritten) {
                writeBlock(out, job.stamp, yearWeek);
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
        lineCounter = checkedInt32(std::int64_t{lineCounter} + 1);
        job.progress.setProgressPosition(lineCounter);
    }
}

}  // namespace chronoflip
