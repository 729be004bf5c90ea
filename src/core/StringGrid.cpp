#include "StringGrid.h"

#include "Exceptions.h"

#include <algorithm>
#include <utility>

namespace {

// A grid cut down to a small part of its size gives the memory of the rest back, so that one
// large grid does not hold its memory for the rest of the session. Small changes keep the
// room, so a grid that grows and shrinks by a few rows does not move its cells each time.
template <class Vector> void releaseSpareRoom(Vector& cells) {
    constexpr size_t KeptRoom = 64;
    if (cells.capacity() > KeptRoom && cells.capacity() / 2 > cells.size())
        cells.shrink_to_fit();
}

} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QObject* parent)
    : QObject(parent)
    , m_colCount(std::max(colCount, 0))
    , m_rowCount(std::max(rowCount, 0))
    , m_columns(static_cast<size_t>(m_colCount),
                std::vector<QString>(static_cast<size_t>(m_rowCount))) {}

void StringGrid::setColCount(int count) {
    count = std::max(count, 0);
    if (count == m_colCount)
        return;
    m_columns.resize(static_cast<size_t>(count),
                     std::vector<QString>(static_cast<size_t>(m_rowCount)));
    releaseSpareRoom(m_columns);
    m_colCount = count;
    structureChanged();
}

void StringGrid::setRowCount(int count) {
    count = std::max(count, 0);
    if (count == m_rowCount)
        return;
    for (std::vector<QString>& column : m_columns) {
        column.resize(static_cast<size_t>(count));
        releaseSpareRoom(column);
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
    return at(col, row);
}

void StringGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    QString& cellText = at(col, row);
    if (cellText == text)
        return;
    cellText = text;
    changed(col, row);
}

void StringGrid::setCell(int col, int row, QStringView text) {
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    QString& cellText = at(col, row);
    if (QStringView(cellText) == text)
        return;
    // A rebuild writes texts of about the length the cells had: a cell that owns its text
    // alone takes the new one into the room it has, without an allocation. (A view of the
    // cell's own text needs a copy of it to live, so the text is then shared, not owned.)
    if (cellText.isDetached() && cellText.capacity() >= text.size()) {
        cellText.resize(text.size());
        std::copy(text.begin(), text.end(), cellText.begin());
    } else {
        cellText = text.toString();
    }
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
    for (std::vector<QString>& column : m_columns)
        std::swap(column[static_cast<size_t>(a)], column[static_cast<size_t>(b)]);
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
    bool movedAny = false;
    std::vector<QString> moved;
    for (std::vector<QString>& column : m_columns) {
        moved.clear();
        for (int k = 0; k < count; ++k)
            if (const int from = order[static_cast<size_t>(k)]; from != first + k)
                moved.push_back(std::move(column[static_cast<size_t>(from)]));
        auto next = moved.begin();
        for (int k = 0; k < count; ++k)
            if (order[static_cast<size_t>(k)] != first + k)
                column[static_cast<size_t>(first + k)] = std::move(*next++);
        movedAny = movedAny || !moved.empty();
    }
    if (movedAny)
        structureChanged();
}

void StringGrid::deleteRow(int r) {
    if (r < 0 || r >= m_rowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    for (std::vector<QString>& column : m_columns) {
        column.erase(column.begin() + r);
        releaseSpareRoom(column);
    }
    --m_rowCount;
    structureChanged();
}

void StringGrid::clearCells() {
    for (std::vector<QString>& column : m_columns)
        for (QString& text : column)
            text.clear();
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
