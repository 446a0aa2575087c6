#include "readers/gps_navigation_record.h"

#include <array>

#include "core/text_fields.h"
#include "readers/broadcast_epoch.h"

namespace chronoflip {

namespace {

constexpr std::string_view kRecordName = "the GPS record";
constexpr std::size_t kRecordLines = 8;
// RINEX 3 first line: the satellite (system letter, I2 number), a blank, the epoch, then
// the clock bias, drift and drift rate as 3D19.12.
constexpr Columns kSystem{1, 1};
constexpr Columns kNumber{2, 2};
constexpr Columns kBeforeEpoch{4, 1};
constexpr int kFirstLineFields = 24;
// Orbit lines, 4X,4D19.12; RINEX 2.11 writes 3X,4D19.12.
constexpr Columns kOrbitIndent{1, 4};
constexpr int kOrbitFields = 2;  // from the second blank on
// A RINEX 3 navigation line ends in column 80; blanks may pad it further.
constexpr int kLastColumn = 80;
// RINEX 2.11 first line before the fields, I2,1X,I2.2,4(1X,I2),F5.1: satellite number, year,
// month, day, hour, minute, second.
constexpr std::size_t kEpochWidth = 22;

// value as two characters, its tens blank or 0 below 10.
void putTwoDigits(char* at, int value, char pad) {
    at[0] = value < 10 ? pad : static_cast<char>('0' + value / 10);
    at[1] = static_cast<char>('0' + value % 10);
}

void checkLineEnd(NumberedLines& lines, std::string_view line) {
    if (!trimmed(fromColumn(line, kLastColumn + 1)).empty())
        lines.fail("text past column 80 of the GPS record");
}

void convertFirstLine(NumberedLines& lines, std::string_view line, TextBuffer& out) {
    std::uint64_t number = 0;
    if (field(line, kSystem) != "G" || field(line, kNumber).size() != 2 ||
        !readUnsignedField(field(line, kNumber), number) || number == 0 ||
        field(line, kBeforeEpoch) != " ") {
        lines.fail("the GPS record's first line does not start with a satellite \"Gnn \"");
    }
    BroadcastEpoch epoch;
    const std::string_view problem = readBroadcastEpoch(line, epoch);
    if (!problem.empty()) lines.fail(problem);
    checkLineEnd(lines, line);
    std::array<char, kEpochWidth> text;
    text.fill(' ');
    putTwoDigits(&text[0], static_cast<int>(number), ' ');
    putTwoDigits(&text[3], epoch.year % 100, '0');
    putTwoDigits(&text[6], epoch.month, ' ');
    putTwoDigits(&text[9], epoch.day, ' ');
    putTwoDigits(&text[12], epoch.hour, ' ');
    putTwoDigits(&text[15], epoch.minute, ' ');
    putTwoDigits(&text[18], epoch.second, ' ');
    text[20] = '.';
    text[21] = '0';
    out.put({text.data(), text.size()});
    out.put(field(line, {kFirstLineFields, kLastColumn - kFirstLineFields + 1}));
    out.endLine();
}

}  // namespace

void convertGpsRecord(NavigationRecords& records, TextBuffer& out) {
    NumberedLines& lines = records.lines();
    convertFirstLine(lines, records.requireLine(kRecordName, kRecordLines), out);
    for (std::size_t due = 2; due <= kRecordLines; ++due) {
        const std::string_view line = records.requireLine(kRecordName, kRecordLines);
        if (field(line, kOrbitIndent) != "    ")
            lines.fail("an orbit line of the GPS record that does not start with 4 blanks");
        checkLineEnd(lines, line);
        out.put(field(line, {kOrbitFields, kLastColumn - kOrbitFields + 1}));
        out.endLine();
    }
    records.requireEnd(kRecordName, kRecordLines);
}

}  // namespace chronoflip
