#include "StringGridModel.h"

#include "StringGrid.h"
#include "TStringGridView.h"

StringGridModel::StringGridModel(StringGrid& grid, const TStringGridView* view, QObject* parent)
    : QAbstractTableModel(parent)
    , m_grid(grid)
    , m_view(view) {
    m_fixedRows = std::min(m_grid.fixedRows(), m_grid.rowCount());
    m_rows = m_grid.rowCount() - m_fixedRows;
    m_cols = m_grid.colCount();
    connect(&m_grid, &StringGrid::cellChanged, this, &StringGridModel::cellChanged);
}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_grid.cell(index.column(), index.row() + m_fixedRows);
    return {};
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_cols || m_fixedRows == 0)
        return {};
    return m_grid.cell(section, 0);
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    if (index.column() < m_grid.fixedCols())
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_view && m_view->cellEditable(index.column(), index.row() + m_fixedRows))
        f |= Qt::ItemIsEditable;
    return f;
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !checkIndex(index))
        return false;
    try {
        m_grid.setCell(index.column(), index.row() + m_fixedRows, value.toString());
        return true;
    } catch (...) {
        emit setDataFailed(std::current_exception());
        return false;
    }
}

void StringGridModel::reload() {
    beginResetModel();
    m_fixedRows = std::min(m_grid.fixedRows(), m_grid.rowCount());
    m_rows = m_grid.rowCount() - m_fixedRows;
    m_cols = m_grid.colCount();
    endResetModel();
}

void StringGridModel::cellChanged(int col, int row) {
    if (col < 0 || col >= m_cols)
        return;
    if (row < m_fixedRows) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const int bodyRow = row - m_fixedRows;
    if (bodyRow >= m_rows)
        return;
    const QModelIndex i = index(bodyRow, col);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}
