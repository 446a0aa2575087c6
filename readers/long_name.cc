#include "readers/long_name.h"

namespace chronoflip {

namespace {

// SSSSMRCCC_S_YYYYDDDHHMM_PPP_FFU_DT.FMT: the fields each start at a fixed place.
constexpr std::size_t kSiteLength = 9;        // SSSSMRCCC
constexpr std::size_t kSourceIndex = 10;      // S
constexpr std::size_t kStartIndex = 12;       // YYYYDDDHHMM
constexpr std::size_t kPeriodIndex = 24;      // PPP
constexpr std::size_t kObservationTail = 28;  // FFU_DT.FMT
constexpr std::size_t kFormatLength = 4;      // ".rnx"
constexpr std::size_t kObservationLength = kObservationTail + 3 + 1 + 2 + kFormatLength;
constexpr std::size_t kNavigationLength = kObservationTail + 2 + kFormatLength;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// Archives that lower-case every name are met as well: letters are read in either case.
char raised(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isAlnum(char c) {
    return isDigit(c) || (raised(c) >= 'A' && raised(c) <= 'Z');
}

bool allOf(std::string_view text, bool (*test)(char)) {
    for (const char c : text) {
        if (!test(c)) return false;
    }
    return true;
}

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lowered(text[i]) != lower[i]) return false;
    }
    return true;
}

// "01D", "15M": two digits and a unit letter.
bool isDuration(std::string_view text) {
    return text.size() == 3 && isDigit(text[0]) && isDigit(text[1]) && isAlnum(text[2]) &&
           !isDigit(text[2]);
}

}  // namespace

bool hasLongNameFormat(std::string_view name) {
    if (name.size() < kFormatLength) return false;
    const std::string_view format = name.substr(name.size() - kFormatLength);
    return equalsIgnoringCase(format, ".rnx") || equalsIgnoringCase(format, ".crx");
}

std::optional<LongName> readLongName(std::string_view name) {
    if (!hasLongNameFormat(name)) return std::nullopt;
    const bool observation = name.size() == kObservationLength;
    if (!observation && name.size() != kNavigationLength) return std::nullopt;
    const std::string_view start = name.substr(kStartIndex, 11);
    const std::string_view period = name.substr(kPeriodIndex, 3);
    const std::size_t typeIndex = name.size() - kFormatLength - 2;
    if (!allOf(name.substr(0, kSiteLength), isAlnum) || name[kSiteLength] != '_' ||
        !isAlnum(name[kSourceIndex]) || name[kSourceIndex + 1] != '_' || !allOf(start, isDigit) ||
        name[kStartIndex + 11] != '_' || !isDuration(period) || name[kPeriodIndex + 3] != '_' ||
        name[typeIndex - 1] != '_') {
        return std::nullopt;
    }
    if (observation &&
        (!isDuration(name.substr(kObservationTail, 3)) || name[kObservationTail + 3] != '_')) {
        return std::nullopt;
    }
    LongName result;
    result.station = name.substr(0, 4);
    result.year = start.substr(0, 4);
    result.dayOfYear = start.substr(4, 3);
    result.hour = number(start.substr(7, 2));
    result.minute = start.substr(9, 2);
    result.periodUnit = raised(period[2]);
    result.daily = period[0] == '0' && period[1] == '1' && result.periodUnit == 'D';
    result.content = raised(name[typeIndex + 1]);
    result.compact = equalsIgnoringCase(name.substr(name.size() - kFormatLength), ".crx");
    const int day = number(result.dayOfYear);
    if (day < 1 || day > 366 || result.hour > 23 || number(result.minute) > 59) return std::nullopt;
    if (result.content != 'O' && result.content != 'N') return std::nullopt;
    // Navigation data are never Compact RINEX, which encodes observations only.
    if (result.compact && (result.content != 'O' || !observation)) return std::nullopt;
    if (result.content == 'O' && !observation) return std::nullopt;
    return result;
}

std::string shortName(const LongName& name) {
    std::string text;
    for (const char c : name.station) text += lowered(c);
    text += name.dayOfYear;
    if (name.daily) {
        text += '0';
    } else {
        text += static_cast<char>('a' + name.hour);
        if (name.periodUnit == 'M') text += name.minute;
    }
    text += '.';
    text += name.year.substr(2);
    text += name.content == 'N' ? 'n' : 'o';
    return text;
}

}  // namespace chronoflip
