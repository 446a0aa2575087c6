#include "ui/preview_table_model.h"

#include <algorithm>

namespace chronoflip {

PreviewTableModel::PreviewTableModel(int gridRows, QObject* parent)
    : QAbstractTableModel(parent), gridRows_(gridRows) {}

void PreviewTableModel::addGridRows(int count) {
    beginInsertRows({}, gridRows_ - 1, gridRows_ + count - 2);
    gridRows_ += count;
    endInsertRows();
}

void PreviewTableModel::setCell(int column, int row, const QString& text) {
    const auto rowIndex = static_cast<std::size_t>(row);
    if (rowIndex >= cells_.size()) cells_.resize(rowIndex + 1);
    cells_[rowIndex][static_cast<std::size_t>(column)] = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    } else if (row < gridRows_) {
        const QModelIndex changed = index(row - 1, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void PreviewTableModel::emptyBelowHeading() {
    if (cells_.size() > 1) cells_.resize(1);
    if (gridRows_ > 1) emit dataChanged(index(0, 0), index(gridRows_ - 2, kPreviewColumns - 1));
}

QString PreviewTableModel::cell(int column, int row) const {
    const auto rowIndex = static_cast<std::size_t>(row);
    if (rowIndex >= cells_.size()) return {};
    return cells_[rowIndex][static_cast<std::size_t>(column)];
}

int PreviewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(gridRows_ - 1, 0);
}

int PreviewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPreviewColumns;
}

QVariant PreviewTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return cell(index.column(), index.row() + 1);
}

QVariant PreviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return cell(section, 0);
}

Qt::ItemFlags PreviewTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace chronoflip
