#include "readers/header_parameter_records.h"

#include <array>

#include "core/text_fields.h"
#include "readers/broadcast_epoch.h"
#include "readers/header_values.h"

namespace chronoflip {

namespace {

// ION LNAV: line 1 4X,I4,5(1X,I2.2),3D19.12 (epoch, alpha 0-2); line 2 4X,4D19.12
// (alpha 3, beta 0-2); line 3 4X,D19.12 (beta 3, sometimes followed by another field).
constexpr std::string_view kIonosphereName = "the ION G LNAV record";
constexpr std::size_t kIonosphereLines = 3;
constexpr std::array<Columns, 4> kValues{{{5, 19}, {24, 19}, {43, 19}, {62, 19}}};
// STO: line 1 4X,I4,5(1X,I2.2),1X,A18,1X,A18,1X,A18 (reference epoch, time system code,
// SBAS and UTC identifiers); line 2 4X,4D19.12 (transmission time, A0, A1, A2).
constexpr std::string_view kUtcName = "the STO G LNAV record";
constexpr std::size_t kUtcLines = 2;
constexpr Columns kTimeSystemCode{25, 18};
constexpr Columns kA0 = kValues[1];
constexpr Columns kA1 = kValues[2];

void appendValue(NumberedLines& lines, std::string_view line, Columns columns, std::string& to) {
    to += requireFourDecimalForm(lines, line, columns, kIonosphereName);
}

}  // namespace

void readIonosphereRecord(NavigationRecords& records, HeaderParameters& into) {
    NumberedLines& lines = records.lines();
    into.ionSource = records.start();
    std::string alpha(kIonosphereIndent);
    std::string beta(kIonosphereIndent);
    std::string_view line = records.requireLine(kIonosphereName, kIonosphereLines);
    for (std::size_t i = 1; i < kValues.size(); ++i) appendValue(lines, line, kValues[i], alpha);
    line = records.requireLine(kIonosphereName, kIonosphereLines);
    appendValue(lines, line, kValues[0], alpha);
    for (std::size_t i = 1; i < kValues.size(); ++i) appendValue(lines, line, kValues[i], beta);
    line = records.requireLine(kIonosphereName, kIonosphereLines);
    appendValue(lines, line, kValues[0], beta);
    records.requireEnd(kIonosphereName, kIonosphereLines);
    into.ionAlpha = std::move(alpha);
    into.ionBeta = std::move(beta);
}

bool readUtcRecord(NavigationRecords& records, HeaderParameters& into) {
    NumberedLines& lines = records.lines();
    std::string_view line = records.requireLine(kUtcName, kUtcLines);
    if (trimmed(field(line, kTimeSystemCode)) != kGpsToUtcCode) return false;
    BroadcastEpoch epoch;
    const std::string_view problem = readBroadcastEpoch(line, epoch);
    if (!problem.empty()) lines.fail(problem);
    const GpsWeekSecond reference = gpsWeekSecond(epoch);
    line = records.requireLine(kUtcName, kUtcLines);
    std::string text(kUtcIndent);
    for (const Columns columns : {kA0, kA1}) {
        const std::string_view value = requireNumberText(lines, line, columns, kUtcName);
        if (value.size() != static_cast<std::size_t>(columns.length))
            lines.fail(std::string(kUtcName) + ": its second line ends inside A0 or A1");
        text += value;
    }
    IntText integer;
    text += integer.format(reference.second, kUtcIntegerWidth);
    text += integer.format(reference.week, kUtcIntegerWidth);
    records.requireEnd(kUtcName, kUtcLines);
    into.deltaUtc = std::move(text);
    into.utcSource = records.start();
    return true;
}

}  // namespace chronoflip
