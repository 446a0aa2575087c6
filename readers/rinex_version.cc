#include "readers/rinex_version.h"

#include "core/error.h"
#include "core/text_fields.h"

namespace chronoflip {

namespace {

constexpr std::string_view kVersionTypeLabel = "RINEX VERSION / TYPE";
constexpr Columns kVersion{1, 9};
constexpr std::size_t kTypeIndex = 20;    // column 21
constexpr std::size_t kSystemIndex = 40;  // column 41

// A version as major and hundredths: "3.04" gives 3 and 4, "2.1" 2 and 10, "3" 3 and 0.
struct Version {
    int major = 0;
    int minor = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool readVersion(std::string_view text, Version& version) {
    std::size_t i = 0;
    if (text.empty() || !isDigit(text[0])) return false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        version.major = version.major * 10 + (text[i] - '0');
        if (version.major > 99) return false;
    }
    if (i == text.size()) return true;
    if (text[i++] != '.') return false;
    for (int place = 10; i < text.size(); ++i, place /= 10) {
        if (!isDigit(text[i])) return false;
        version.minor += (text[i] - '0') * place;
    }
    return true;
}

bool converts(const Version& version) {
    return (version.major == 3 && version.minor <= 5) || (version.major == 4 && version.minor <= 2);
}

char columnAt(std::string_view line, std::size_t index) {
    return index < line.size() ? line[index] : ' ';
}

[[noreturn]] void refuse(const std::string& path, std::string_view version, char type, char system,
                         std::string_view why) {
    throw Error("RINEX version " + std::string(version) + ", file type \"" + type +
                    "\", system \"" + system + "\": " + std::string(why) +
                    " (converted are RINEX 3.00 to 3.05 and 4.00 to 4.02 observation files, "
                    "and navigation files of GPS or mixed systems)",
                path);
}

}  // namespace

RinexFirstLine readRinexFirstLine(std::string_view line, const std::string& path) {
    RinexFirstLine first;
    if (headerLabel(line) != kVersionTypeLabel) return first;
    first.version = std::string(trimmed(field(line, kVersion)));
    const char type = columnAt(line, kTypeIndex);
    const char system = columnAt(line, kSystemIndex);
    Version version;
    if (!readVersion(first.version, version))
        refuse(path, first.version, type, system, "the version is not a number");
    if (version.major < 3) return first;
    if (!converts(version)) refuse(path, first.version, type, system, "a version not converted");
    if (type == 'O') {
        first.text = RinexText::kRinex3Observation;
    } else if (type == 'N' && (system == 'G' || system == 'M' || system == ' ')) {
        first.text = RinexText::kRinex3Navigation;
    } else {
        refuse(path, first.version, type, system, "a file type or system not converted");
    }
    return first;
}

}  // namespace chronoflip
