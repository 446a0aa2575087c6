#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "ui/preview_grid.h"

namespace chronoflip {

// The preview of one Open: each observation file read to its end fills a row with its
// marker name, file name, receiver, antenna and antenna height, and every further marker
// name in it that differs from its first adds a row. Receiver and antenna texts carry
// over from file to file.
class ObservationPreview {
  public:
    explicit ObservationPreview(PreviewGrid& grid) : grid_(grid) {}

    void readFile(InputFile& file, const QString& fileName);

  private:
    void markerName(std::string_view line, const QString& fileName);

    PreviewGrid& grid_;
    int currentRow_ = 0;
    QString receiver_;
    QString antenna_;
    std::string firstMarker_;
    bool haveFirstMarker_ = false;
};

}  // namespace chronoflip
