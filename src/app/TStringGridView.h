#pragma once

#include "Guarded.h"
#include "StringGrid.h"
#include "TEdit.h"
#include "TextWidths.h"

#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QTableView>

#include <functional>

class StringGridModel;

// A rectangle of cells in grid coordinates (column, row from 0, header rows included).
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const GridRect&) const = default;
};

// A table view over a StringGrid, addressed in the grid's own coordinates (column, row from
// 0, the fixed header row included).
//
// Layout: when the grid has a fixed row, row 0 is shown as the horizontal header, so it
// stays visible while the body (rows fixedRows..) scrolls; without a fixed row every row is
// body. Fixed columns are shown as ordinary columns that cannot be selected or edited.
// The view follows the grid's cellChanged and reset signals.
//
// Points (x, y) are in this widget's own coordinates (the header included), as mouse events
// of the whole grid give them.
//
// Every hook runs through the view's error handler with this view as the sender; so does the
// report of a cell the grid refused to take from the editor. The in-place editor has the
// view's error handler.
class TStringGridView : public QTableView, public GuardedControl {
    Q_OBJECT
public:
    // A cell is about to become current (by mouse, keyboard or setCurrentCell); clearing
    // canSelect keeps the current cell where it is.
    using SelectCellHook = std::function<void(int col, int row, bool& canSelect)>;
    // The in-place editor opens on a cell: value holds the cell's text and the editor shows
    // what the hook leaves in it.
    using GetEditTextHook = std::function<void(int col, int row, QString& value)>;
    // Called for every painted cell, header cells included, after the default painting.
    // rect is in painter coordinates (the viewport's or the header's); the painter's pen holds
    // the text colour the view prepared for the cell (highlighted text for a selected cell).
    // The painter is clipped to rect for header cells only: a hook keeps to rect in the body
    // (QPainter::drawText into rect clips a text that does not fit by itself).
    using DrawCellHook =
        std::function<void(int col, int row, const QRect& rect, QPainter& painter)>;
    // A mouse button was released over the grid (header included); x, y as described above.
    using MouseUpHook =
        std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
    // A mouse button is pressed over the grid, before the press is handled and before the
    // popup menu opens.
    using MouseActivateHook = std::function<void(Qt::MouseButton button)>;

    explicit TStringGridView(QWidget* parent = nullptr);
    ~TStringGridView() override;

    StringGrid& grid() { return *m_grid; }
    const StringGrid& grid() const { return *m_grid; }

    // Geometry, in pixels.
    int defaultColWidth() const { return m_defaultColWidth; }
    void setDefaultColWidth(int width);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int gridLineWidth() const { return m_gridLineWidth; }
    void setGridLineWidth(int width);

    // Options.
    // In-place editing of the body cells outside the fixed columns. The editor opens on a
    // typed character, Enter, F2, or a click on the current cell.
    bool editing() const { return m_editing; }
    void setEditing(bool on);
    // Whole-row selection instead of single cells or ranges.
    bool rowSelect() const { return m_rowSelect; }
    void setRowSelect(bool on);
    // Whether the user may drag column borders.
    void setColSizing(bool on);
    // Whether the view paints the body cells itself before the draw hook runs (on by default).
    // A grid whose draw hook fills every cell it is given turns it off: the view's painting
    // would be covered at once, and it costs as much as the hook's own.
    bool defaultDrawing() const { return m_defaultDrawing; }
    void setDefaultDrawing(bool on);

    // The current cell; -1 when the grid has no body cell.
    int col() const;
    int row() const;
    // Makes a cell current as a user's move does: the select hook runs first and may refuse.
    // The selection collapses to that cell (or its row with whole-row selection).
    void setCurrentCell(int col, int row);
    void setCol(int col) { setCurrentCell(col, row()); }
    void setRow(int row) { setCurrentCell(col(), row); }

    // The selected rectangle; it always holds the current cell. With whole-row selection it
    // spans the columns from the first non-fixed one to the last.
    GridRect selection() const;
    void setSelection(const GridRect& rect);

    // The cell under a point, or false (col and row set to -1) when the point is on no cell.
    bool mouseToCell(int x, int y, int& col, int& row) const;
    // A cell's rectangle in this widget's coordinates (empty when it is not laid out).
    QRect cellRect(int col, int row) const;
    // A point just inside a cell's top left corner, as a click on the cell gives it; (-1, -1)
    // when the cell is not laid out.
    QPoint cellPoint(int col, int row) const;
    // The width of a text in the grid's font, as QFontMetrics::horizontalAdvance gives it, and
    // the widest text of a column (0 for an empty column). Texts measured once are remembered.
    int textWidth(const QString& text);
    int widestText(int col);
    // Whether the horizontal scroll bar is shown now.
    bool horizontalScrollBarShown() const;

    // Columns whose cells are chosen from a list instead of typed: their in-place editor is a
    // drop-down list of the texts, showing the cell's text; the cell follows the choice. A
    // character typed on such a cell opens the list and picks the first text it begins, the
    // key hook left out (nothing is typed). An empty list makes the column typed again.
    void setPickList(int col, const QStringList& texts);
    QStringList pickList(int col) const { return m_pickLists.value(col); }

    // The in-place editor.
    bool editorMode() const { return openEditor() != nullptr; }
    // The open typed editor, or nullptr (also while a list is open).
    TEdit* inplaceEditor() const;
    // The open list editor, or nullptr.
    QComboBox* pickListEditor() const;
    // Opens the editor on the current cell when editing is on; closes it, keeping its text.
    void showEditor();
    void hideEditor();

    // Hooks (see the types above).
    void setSelectCellHook(SelectCellHook hook) { m_selectCell = std::move(hook); }
    void setGetEditTextHook(GetEditTextHook hook) { m_getEditText = std::move(hook); }
    // Keys typed on the grid or in its editor. A key typed on the grid while no editor is
    // open runs the hook first with the editor closed; unless it is swallowed, the editor then
    // opens (when editing is on) and the key reaches the hook again from inside the editor.
    void setKeyHook(KeyHook hook) { m_keyHook = std::move(hook); }
    void setDrawCellHook(DrawCellHook hook);
    void setMouseUpHook(MouseUpHook hook) { m_mouseUp = std::move(hook); }
    void setMouseActivateHook(MouseActivateHook hook) { m_mouseActivate = std::move(hook); }

    // Popup menu opened by the right mouse button, after the mouse-up hook ran.
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    QMenu* popupMenu() const { return m_popupMenu; }

    // Internal pieces used by the model, delegate and header.
    const DrawCellHook& drawCellHook() const { return m_drawCell; }
    const KeyHook& keyHook() const { return m_keyHook; }
    void runGetEditText(int col, int row, QString& value);
    int bodyToGridRow(int bodyRow) const { return bodyRow + m_grid->fixedRows(); }
    int gridToBodyRow(int gridRow) const { return gridRow - m_grid->fixedRows(); }
    bool cellEditable(int col, int row) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    QWidget* openEditor() const;
    void gridReset();
    void restoreCurrent();
    void applyGeometry();
    bool askSelect(int col, int row);
    void releaseAt(QMouseEvent* event, QPoint widgetPos);

    StringGrid* m_grid = nullptr;
    StringGridModel* m_model = nullptr;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_gridLineWidth = 1;
    bool m_editing = false;
    bool m_rowSelect = false;
    bool m_defaultDrawing = true;
    int m_curCol = -1;
    int m_curRow = -1;
    QVector<int> m_colWidths;
    SelectCellHook m_selectCell;
    GetEditTextHook m_getEditText;
    KeyHook m_keyHook;
    DrawCellHook m_drawCell;
    MouseUpHook m_mouseUp;
    MouseActivateHook m_mouseActivate;
    QPointer<QMenu> m_popupMenu;
    QHash<int, QStringList> m_pickLists;
    QPointer<QWidget> m_openEditor;
    bool m_writingBack = false;
    TextWidths m_textWidths;

    friend class TStringGridViewAccess;
};
