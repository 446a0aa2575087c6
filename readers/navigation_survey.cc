#include "readers/navigation_survey.h"

#include "readers/gps_navigation_record.h"
#include "readers/navigation_header.h"
#include "readers/numbered_lines.h"
#include "readers/text_buffer.h"

namespace chronoflip {

namespace {

// The names of otherKinds' counts, from RecordKind::kGpsOtherMessage on.
constexpr std::array<std::string_view, 4> kOtherKindNames{"GPS CNAV/CNV2", "ION", "STO", "EOP"};

std::size_t otherKindIndex(RecordKind kind) {
    return static_cast<std::size_t>(kind) - static_cast<std::size_t>(RecordKind::kGpsOtherMessage);
}

// "7 GLONASS, 6 Galileo", or nothing when every count is 0.
template <std::size_t N, typename NameOf>
std::string countList(const std::array<std::size_t, N>& counts, NameOf nameOf) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (counts[i] == 0) continue;
        if (!list.empty()) list += ", ";
        list += std::to_string(counts[i]) + " " + std::string(nameOf(i));
    }
    return list;
}

}  // namespace

NavigationSurvey surveyNavigation(InputFile& text, const std::string& path,
                                  NavigationFormat format) {
    NumberedLines lines(text, path, formatName(format));
    TextBuffer scratch;
    const HeaderFacts facts = convertNavigationHeader(lines, {}, scratch);
    NavigationRecords records(lines, format);
    NavigationSurvey survey;
    HeaderParameters& found = survey.fromRecords;
    while (records.next()) {
        switch (records.kind()) {
            case RecordKind::kGpsNavigation:
                ++survey.gpsRecords;
                scratch.rollBack(0);
                convertGpsRecord(records, scratch);
                continue;
            case RecordKind::kOtherSystem:
                ++survey.otherSystems[kSystemLetters.find(records.system())];
                continue;
            case RecordKind::kIonosphere:
                if (records.gpsLnav() && !facts.ionosphere && found.ionAlpha.empty())
                    readIonosphereRecord(records, found);
                break;
            case RecordKind::kTimeOffset:
                if (records.gpsLnav() && !facts.utc && found.deltaUtc.empty())
                    readUtcRecord(records, found);
                break;
            case RecordKind::kGpsOtherMessage:
            case RecordKind::kEarthOrientation:
                break;
        }
        ++survey.otherKinds[otherKindIndex(records.kind())];
    }
    return survey;
}

std::string leftOutText(const NavigationSurvey& survey) {
    const std::string systems =
        countList(survey.otherSystems, [](std::size_t i) { return systemName(kSystemLetters[i]); });
    const std::string kinds =
        countList(survey.otherKinds, [](std::size_t i) { return kOtherKindNames[i]; });
    if (systems.empty() || kinds.empty()) return systems + kinds;
    return systems + "; " + kinds;
}

}  // namespace chronoflip
