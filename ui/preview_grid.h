#pragma once

#include <QString>

namespace chronoflip {

// The preview's columns, after the heading row 0.
enum PreviewColumn : int {
    kMarkerColumn = 0,
    kFileColumn = 1,
    kReceiverColumn = 2,
    kAntennaColumn = 3,
    kHeightColumn = 4,
    kPreviewColumns = 5,
};

// A text grid that keeps the text of any cell, also of rows at or beyond its row count;
// it shows rows 0 to row count - 1, row 0 being the heading.
class PreviewGrid {
  public:
    virtual ~PreviewGrid() = default;
    virtual int gridRows() const = 0;
    // Rows are only ever added: the grid keeps what it has grown to.
    virtual void addGridRows(int count) = 0;
    virtual void setCell(int column, int row, const QString& text) = 0;
    // Empties every row from 1 on, shown or not; the heading and the row count stay.
    virtual void emptyBelowHeading() = 0;
};

}  // namespace chronoflip
