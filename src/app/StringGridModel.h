#pragma once

#include <QAbstractTableModel>

#include <exception>

class StringGrid;
class TStringGridView;

// The item model behind TStringGridView. Body rows are the grid's rows from its fixed rows on;
// with a fixed row, grid row 0 is the horizontal header. The counts are cached so that the
// model changes only between beginResetModel and endResetModel, whatever the grid does.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StringGridModel(StringGrid& grid, const TStringGridView* view, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A cell the grid refuses keeps its text: the failure goes out as setDataFailed and the
    // result is false. The model shows nothing itself.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Reads the grid's counts again (a reset of the model).
    void reload();

signals:
    // setData could not write a cell; whoever shows the model reports the error.
    void setDataFailed(std::exception_ptr error);

private:
    void cellChanged(int col, int row);

    StringGrid& m_grid;
    const TStringGridView* m_view;
    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
};
