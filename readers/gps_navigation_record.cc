#include "readers/gps_navigation_record.h"

#include <array>

#include "core/text_fields.h"
#include "readers/broadcast_epoch.h"

namespace chronoflip {

namespace {

constexpr std::string_view kRecordName = "the GPS record";
constexpr std::size_t kRecordLines = 8;
// RINEX 3 first line: the satellite (system letter, I2 number), a blank, the epoch, then
// the clock bias, drift and drift rate as 3D19.12, carried over unchanged.
constexpr Columns kSystem{1, 1};
constexpr Columns kNumber{2, 2};
constexpr Columns kBeforeEpoch{4, 1};
constexpr Columns kClockFields{24, 57};
// Orbit lines, 4X,4D19.12; RINEX 2.11 writes 3X,4D19.12, the first blank dropped.
constexpr Columns kOrbitIndent{1, 4};
constexpr Columns kOrbitFields{2, 79};
// A RINEX 3 navigation line ends in column 80; blanks may pad it further.
constexpr int kLastColumn = 80;
// RINEX 2.11 first line before the fields, I2,1X,I2.2,4(1X,I2),F5.1: the satellite number,
// the year, month, day, hour and minute, then the second's whole part and ".0".
constexpr std::size_t kEpochWidth = 22;
constexpr Columns kRinex2Number{1, 2};
constexpr Columns kRinex2Year{4, 2};
constexpr std::array<Columns, 5> kRinex2Time{{{7, 2}, {10, 2}, {13, 2}, {16, 2}, {19, 2}}};
constexpr Columns kRinex2Tenths{21, 2};

// value into the columns of text, two characters, below 10 with pad in front.
void putTwoDigits(std::array<char, kEpochWidth>& text, Columns columns, int value, char pad) {
    char* at = &text[static_cast<std::size_t>(columns.first - 1)];
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
    putTwoDigits(text, kRinex2Number, static_cast<int>(number), ' ');
    putTwoDigits(text, kRinex2Year, epoch.year % 100, '0');
    const std::array<int, 5> time{epoch.month, epoch.day, epoch.hour, epoch.minute, epoch.second};
    for (std::size_t i = 0; i < time.size(); ++i) putTwoDigits(text, kRinex2Time[i], time[i], ' ');
    text[static_cast<std::size_t>(kRinex2Tenths.first - 1)] = '.';
    text[static_cast<std::size_t>(kRinex2Tenths.first)] = '0';
    out.put({text.data(), text.size()});
    out.put(field(line, kClockFields));
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
        out.put(field(line, kOrbitFields));
        out.endLine();
    }
    records.requireEnd(kRecordName, kRecordLines);
}

}  // namespace chronoflip
