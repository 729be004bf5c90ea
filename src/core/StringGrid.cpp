#include "StringGrid.h"

#include "Exceptions.h"

#include <utility>

StringGrid::StringGrid(int colCount, int rowCount, QObject* parent)
    : QObject(parent)
    , m_colCount(std::max(colCount, 0))
    , m_rowCount(std::max(rowCount, 0))
    , m_cells(static_cast<qsizetype>(m_colCount) * m_rowCount) {}

void StringGrid::setColCount(int count) {
    count = std::max(count, 0);
    if (count == m_colCount)
        return;
    QVector<QString> cells(static_cast<qsizetype>(count) * m_rowCount);
    const int keep = std::min(count, m_colCount);
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < keep; ++c)
            cells[static_cast<qsizetype>(r) * count + c] = std::move(m_cells[index(c, r)]);
    m_cells = std::move(cells);
    m_colCount = count;
    structureChanged();
}

void StringGrid::setRowCount(int count) {
    count = std::max(count, 0);
    if (count == m_rowCount)
        return;
    m_cells.resize(static_cast<qsizetype>(count) * m_colCount);
    if (count > m_rowCount) {
        // resize keeps nothing from before, but be explicit: new rows start empty.
        for (qsizetype i = static_cast<qsizetype>(m_rowCount) * m_colCount; i < m_cells.size(); ++i)
            m_cells[i].clear();
    }
    m_rowCount = count;
    structureChanged();
}

void StringGrid::setFixedRows(int count) {
    m_fixedRows = std::max(count, 0);
    structureChanged();
}

void StringGrid::setFixedCols(int count) {
    m_fixedCols = std::max(count, 0);
    structureChanged();
}

QString StringGrid::cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        return {};
    return m_cells[index(col, row)];
}

void StringGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    QString& cellText = m_cells[index(col, row)];
    if (cellText == text)
        return;
    cellText = text;
    changed(col, row);
}

QStringList StringGrid::column(int col) const {
    QStringList out;
    out.reserve(m_rowCount);
    for (int r = 0; r < m_rowCount; ++r)
        out << cell(col, r);
    return out;
}

QStringList StringGrid::row(int r) const {
    QStringList out;
    out.reserve(m_colCount);
    for (int c = 0; c < m_colCount; ++c)
        out << cell(c, r);
    return out;
}

void StringGrid::setRow(int r, const QStringList& texts) {
    UpdateBlock block(*this);
    for (int c = 0; c < m_colCount; ++c)
        setCell(c, r, c < texts.size() ? texts[c] : QString());
}

void StringGrid::exchangeRows(int a, int b) {
    if (a < 0 || b < 0 || a >= m_rowCount || b >= m_rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (a == b)
        return;
    for (int c = 0; c < m_colCount; ++c)
        std::swap(m_cells[index(c, a)], m_cells[index(c, b)]);
    structureChanged();
}

void StringGrid::permuteRows(int first, const std::vector<int>& order) {
    const auto count = static_cast<int>(order.size());
    if (first < 0 || count > m_rowCount - first)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    std::vector<bool> seen(order.size(), false);
    for (int row : order) {
        if (row < first || row >= first + count || seen[static_cast<size_t>(row - first)])
            throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
        seen[static_cast<size_t>(row - first)] = true;
    }
    // Only the rows that change places are moved, through a buffer.
    QString* cells = m_cells.data();
    std::vector<QString> moved;
    for (int k = 0; k < count; ++k)
        if (order[static_cast<size_t>(k)] != first + k)
            for (int c = 0; c < m_colCount; ++c)
                moved.push_back(std::move(cells[index(c, order[static_cast<size_t>(k)])]));
    auto from = moved.begin();
    for (int k = 0; k < count; ++k)
        if (order[static_cast<size_t>(k)] != first + k)
            for (int c = 0; c < m_colCount; ++c)
                cells[index(c, first + k)] = std::move(*from++);
    if (!moved.empty())
        structureChanged();
}

void StringGrid::deleteRow(int r) {
    if (r < 0 || r >= m_rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    m_cells.remove(index(0, r), m_colCount);
    --m_rowCount;
    structureChanged();
}

void StringGrid::clearCells() {
    for (QString& s : m_cells)
        s.clear();
    structureChanged();
}

void StringGrid::sortRows(int first, int last,
                          const std::function<bool(int rowJ, int rowI)>& lessThan) {
    UpdateBlock block(*this);
    for (int i = first; i < last; ++i)
        for (int j = i + 1; j <= last; ++j)
            if (lessThan(j, i))
                exchangeRows(i, j);
}

void StringGrid::beginUpdate() {
    ++m_updateDepth;
}

void StringGrid::endUpdate() {
    if (m_updateDepth > 0 && --m_updateDepth == 0 && m_dirty) {
        m_dirty = false;
        emit reset();
    }
}

void StringGrid::changed(int col, int row) {
    if (m_updateDepth > 0) {
        m_dirty = true;
        return;
    }
    emit cellChanged(col, row);
}

void StringGrid::structureChanged() {
    if (m_updateDepth > 0) {
        m_dirty = true;
        return;
    }
    emit reset();
}
