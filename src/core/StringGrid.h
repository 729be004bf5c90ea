#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <vector>

// A table of text cells addressed (column, row) from 0, with fixed header rows and columns.
// Lowering the row or column count discards the cells removed; rows and columns added later
// start empty. The window's grids show one of these through an item model.
class StringGrid : public QObject {
    Q_OBJECT
public:
    explicit StringGrid(int colCount = 0, int rowCount = 0, QObject* parent = nullptr);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    void setColCount(int count);
    void setRowCount(int count);

    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setFixedRows(int count);
    void setFixedCols(int count);

    // Reading outside the grid gives the empty text; writing outside raises
    // EInvalidGridOperation.
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    // The same for a text not held in a QString yet: it is copied only when the cell changes,
    // into the cell's own room when it has enough.
    void setCell(int col, int row, QStringView text);

    // The texts of one column (all rows) and of one row (all columns).
    QStringList column(int col) const;
    QStringList row(int row) const;
    void setRow(int row, const QStringList& texts);

    // Moves all cells of the two rows.
    void exchangeRows(int a, int b);
    // Moves all cells of whole rows at once: the row order[k] comes to stand at first + k. The
    // rows named in order are the rows first .. first + order.size() - 1, each once.
    void permuteRows(int first, const std::vector<int>& order);
    // Removes one row, the rows below move up.
    void deleteRow(int row);
    // Empties every cell, keeping the counts.
    void clearCells();

    // Plain exchange sort of the rows first..last: for i < j, rows i and j are exchanged when
    // lessThan(row j, row i) holds.
    void sortRows(int first, int last, const std::function<bool(int rowJ, int rowI)>& lessThan);

    // Changes between beginUpdate and the matching endUpdate are announced once, as a reset.
    void beginUpdate();
    void endUpdate();

    // Scoped beginUpdate/endUpdate.
    class UpdateBlock {
    public:
        explicit UpdateBlock(StringGrid& grid)
            : m_grid(grid) {
            m_grid.beginUpdate();
        }
        ~UpdateBlock() { m_grid.endUpdate(); }
        UpdateBlock(const UpdateBlock&) = delete;
        UpdateBlock& operator=(const UpdateBlock&) = delete;

    private:
        StringGrid& m_grid;
    };

signals:
    // One cell's text changed.
    void cellChanged(int col, int row);
    // Sizes or many cells changed: views must read the whole grid again.
    void reset();

private:
    void changed(int col, int row);
    void structureChanged();
    QString& at(int col, int row) {
        return m_columns[static_cast<size_t>(col)][static_cast<size_t>(row)];
    }
    const QString& at(int col, int row) const {
        return m_columns[static_cast<size_t>(col)][static_cast<size_t>(row)];
    }

    int m_colCount = 0;
    int m_rowCount = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    // Stored by column: a schedule build drops and adds whole add-on columns, which then costs
    // no more than the columns themselves.
    std::vector<std::vector<QString>> m_columns;
    int m_updateDepth = 0;
    bool m_dirty = false;
};
