#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

#include "ui/preview_grid.h"

namespace chronoflip {

// The preview grid as a table for a view: the grid's row 0 is the view's column heading,
// its rows 1 to row count - 1 are the table's rows 0 on.
class PreviewTableModel final : public QAbstractTableModel, public PreviewGrid {
  public:
    PreviewTableModel(int gridRows, QObject* parent);

    int gridRows() const override { return gridRows_; }
    void addGridRows(int count) override;
    void setCell(int column, int row, const QString& text) override;
    void emptyBelowHeading() override;
    QString cell(int column, int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    using Row = std::array<QString, kPreviewColumns>;
    std::vector<Row> cells_;
    int gridRows_;
};

}  // namespace chronoflip
