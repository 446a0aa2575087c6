#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "readers/numbered_lines.h"

namespace chronoflip {

// How the records of a navigation text start: a RINEX 3 record at a line whose column 1 is
// not blank, a RINEX 4 record at a marker line ("> EPH G01 LNAV") before its lines.
enum class NavigationFormat { kRinex3, kRinex4 };

// By the version as line 1 writes it: "4.00" is RINEX 4, "3.04" RINEX 3.
NavigationFormat navigationFormat(std::string_view version);
// "RINEX 3" or "RINEX 4", as messages name the text.
std::string formatName(NavigationFormat format);

// What a record is, as the converter treats it.
enum class RecordKind {
    kGpsNavigation,     // a GPS LNAV ephemeris: converted
    kOtherSystem,       // an ephemeris of another system
    kGpsOtherMessage,   // a GPS CNAV or CNAV-2 ephemeris (RINEX 4)
    kIonosphere,        // ION (RINEX 4)
    kTimeOffset,        // STO (RINEX 4)
    kEarthOrientation,  // EOP (RINEX 4)
};

// The records after a navigation header, told apart by their first line alone, never by
// counting lines: a record runs to the line before the next record's first line, or to
// the end of the text. Empty lines may only end the text: one with any other line after
// it fails. Memory holds one line, however long the text.
class NavigationRecords {
  public:
    NavigationRecords(NumberedLines& lines, NavigationFormat format);

    // Moves to the next record, past what is left of the one before; false at the end of
    // the text. Fails for a line before the first record that starts none, a record of a
    // system or kind unknown to RINEX 3 and 4, a malformed marker line and a RINEX 4 record
    // with no line after its marker.
    bool next();

    RecordKind kind() const { return kind_; }
    char system() const { return system_; }
    // A GPS record of the LNAV message (all RINEX 3 GPS records are).
    bool gpsLnav() const { return gpsLnav_; }
    // Its first line, trimmed: the marker line in RINEX 4, where it may be 20 characters.
    std::string_view start() const { return {start_.data(), startLength_}; }

    // The record's next line: in RINEX 3 its first line comes first, in RINEX 4 the lines
    // after the marker. Nothing once the next line starts another record or the text ends.
    std::optional<std::string_view> line();
    // The same for a record that must have due lines: one that has fewer fails, named as
    // name ("the GPS record").
    std::string_view requireLine(std::string_view name, std::size_t due);
    // Fails when the record has more lines than due.
    void requireEnd(std::string_view name, std::size_t due);

    NumberedLines& lines() { return lines_; }

  private:
    bool fetch();
    bool startsRecord(std::string_view line) const;
    void readStart(std::string_view line);
    void readMarker(std::string_view line);
    [[noreturn]] void failLineCount(std::string_view name, std::size_t due);

    NumberedLines& lines_;
    NavigationFormat format_;
    std::string_view pending_;  // read and not given out; a record's first line, or a line
    bool havePending_ = false;  // of the record in hand
    bool giveStart_ = false;    // RINEX 3: line() gives the first line before the next
    bool started_ = false;      // the first record was reached

    RecordKind kind_ = RecordKind::kGpsNavigation;
    char system_ = 0;
    bool gpsLnav_ = false;
    std::array<char, 20> start_{};
    std::size_t startLength_ = 0;
    std::size_t startLine_ = 0;
    std::size_t linesRead_ = 0;  // lines of the record given out
};

}  // namespace chronoflip
