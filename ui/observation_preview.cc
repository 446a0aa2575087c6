#include "ui/observation_preview.h"

#include "core/line_reader.h"
#include "core/text_fields.h"

namespace chronoflip {

namespace {

// RINEX observation header records the preview shows, by label and field.
constexpr std::string_view kMarkerNameLabel = "MARKER NAME";
constexpr std::string_view kReceiverLabel = "REC # / TYPE / VERS";
constexpr std::string_view kAntennaLabel = "ANT # / TYPE";
constexpr std::string_view kAntennaDeltaLabel = "ANTENNA: DELTA H/E/N";
constexpr Columns kMarkerName{1, 60};
constexpr Columns kReceiverType{21, 20};
constexpr Columns kAntennaType{21, 20};
constexpr Columns kAntennaHeight{1, 14};

constexpr int kGridGrowth = 5;

QString cellText(std::string_view line, Columns columns) {
    const std::string_view text = trimmed(field(line, columns));
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ObservationPreview::readFile(InputFile& file, const QString& fileName) {
    haveFirstMarker_ = false;
    ++currentRow_;
    grid_.setCell(kFileColumn, currentRow_, fileName);
    LineReader reader(file);
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        const std::string_view label = headerLabel(line);
        if (label == kMarkerNameLabel) {
            markerName(line, fileName);
        } else if (label == kReceiverLabel) {
            receiver_ = cellText(line, kReceiverType);
            grid_.setCell(kReceiverColumn, currentRow_, receiver_);
        } else if (label == kAntennaLabel) {
            antenna_ = cellText(line, kAntennaType);
            grid_.setCell(kAntennaColumn, currentRow_, antenna_);
        } else if (label == kAntennaDeltaLabel) {
            grid_.setCell(kHeightColumn, currentRow_, cellText(line, kAntennaHeight));
        }
    }
}

// A marker name after the file's first one that differs from the first starts a row of
// its own: a new site occupation recorded inside the data.
void ObservationPreview::markerName(std::string_view line, const QString& fileName) {
    if (grid_.gridRows() == currentRow_) grid_.addGridRows(kGridGrowth);
    const std::string_view marker = trimmed(field(line, kMarkerName));
    if (!haveFirstMarker_) {
        firstMarker_.assign(marker);
        haveFirstMarker_ = true;
        grid_.setCell(kMarkerColumn, currentRow_, cellText(line, kMarkerName));
        return;
    }
    if (marker == firstMarker_) return;
    ++currentRow_;
    grid_.setCell(kMarkerColumn, currentRow_, cellText(line, kMarkerName));
    grid_.setCell(kFileColumn, currentRow_, fileName);
    grid_.setCell(kReceiverColumn, currentRow_, receiver_);
    grid_.setCell(kAntennaColumn, currentRow_, antenna_);
}

}  // namespace chronoflip
