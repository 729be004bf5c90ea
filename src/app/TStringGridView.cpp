#include "TStringGridView.h"

#include "Exceptions.h"
#include "Guarded.h"
#include "StringGridModel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

// Pieces of the view that need its private state.
class TStringGridViewAccess {
public:
    static void editorOpened(TStringGridView* view, QWidget* editor) {
        view->m_openEditor = editor;
    }
    static QWidget* openEditor(const TStringGridView* view) { return view->openEditor(); }
    static bool writingBack(const TStringGridView* view) { return view->m_writingBack; }
    static void setWritingBack(TStringGridView* view, bool on) { view->m_writingBack = on; }
    // An open editor's text goes back into its cell, unless the cell is being written to the
    // editor; a failure goes to the grid's error handler.
    static void writeBack(TStringGridView* view, const QPersistentModelIndex& cell,
                          const QString& text) {
        if (!cell.isValid() || view->m_writingBack)
            return;
        view->m_writingBack = true;
        guarded(view->errorHandler(), view, [&] {
            view->grid().setCell(cell.column(), view->bodyToGridRow(cell.row()), text);
        });
        view->m_writingBack = false;
    }
};

namespace {

// Paints the cells (fixed columns in the button face colour), runs the draw hook after the
// default painting, and gives the in-place editor: a TEdit whose typed keys go to the grid's
// key hook and whose text goes back into the cell as it changes, or in a column with a pick
// list a drop-down list whose choice goes back into the cell.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(TStringGridView* view)
        : QStyledItemDelegate(view)
        , m_view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int col = index.column();
        const int row = m_view->bodyToGridRow(index.row());
        const bool fixed = col < m_view->grid().fixedCols();
        const auto& hook = m_view->drawCellHook();
        if (hook && !m_view->defaultDrawing()) {
            // The hook paints the whole cell.
        } else if (fixed) {
            painter->fillRect(option.rect, m_view->palette().button());
            painter->save();
            painter->setPen(m_view->palette().color(QPalette::ButtonText));
            painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              index.data().toString());
            painter->restore();
        } else {
            QStyledItemDelegate::paint(painter, option, index);
        }
        if (!hook)
            return;
        painter->save();
        const bool selected = !fixed && (option.state & QStyle::State_Selected);
        painter->setPen(
            m_view->palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(m_view->font());
        // Not clipped to the cell: a clip inside the region being painted costs a mask of the
        // whole viewport height for every cell.
        guarded(m_view->errorHandler(), m_view, [&] { hook(col, row, option.rect, *painter); });
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& index) const override {
        const QStringList texts = m_view->pickList(index.column());
        if (!texts.isEmpty())
            return createPickList(parent, index, texts);
        auto* editor = new TEdit(parent);
        editor->setFrame(false);
        TStringGridView* view = m_view;
        editor->setErrorHandler(view->errorHandler());
        editor->setKeyHook([view](QChar& key) {
            if (view->keyHook())
                view->keyHook()(key);
        });
        const QPersistentModelIndex cell(index);
        QObject::connect(editor, &QLineEdit::textChanged, editor,
                         [view, cell](const QString& text) {
                             // The cell follows the editor as the user types.
                             TStringGridViewAccess::writeBack(view, cell, text);
                         });
        TStringGridViewAccess::editorOpened(view, editor);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (TStringGridViewAccess::writingBack(m_view))
            return;
        QString value = index.data(Qt::EditRole).toString();
        m_view->runGetEditText(index.column(), m_view->bodyToGridRow(index.row()), value);
        TStringGridViewAccess::setWritingBack(m_view, true);
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            // A text that is not in the list shows as no choice.
            list->setCurrentIndex(list->findText(value, Qt::MatchExactly));
        } else {
            auto* edit = static_cast<TEdit*>(editor);
            edit->setText(value);
            edit->selectAll();
        }
        TStringGridViewAccess::setWritingBack(m_view, false);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        QString text;
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            if (list->currentIndex() < 0)
                return;
            text = list->currentText();
        } else {
            text = static_cast<TEdit*>(editor)->text();
        }
        if (model->data(index, Qt::EditRole).toString() != text)
            model->setData(index, text, Qt::EditRole);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // The editor and its key hook see Enter first. The hook may rebuild the grid,
                // which closes the editor; otherwise the editor closes with its text.
                QPointer<QWidget> editor = qobject_cast<QWidget*>(object);
                TStringGridView* view = m_view;
                QMetaObject::invokeMethod(
                    view,
                    [view, editor] {
                        if (editor && TStringGridViewAccess::openEditor(view) == editor)
                            view->hideEditor();
                    },
                    Qt::QueuedConnection);
                return false;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& /*index*/) const override {
        QRect rect = option.rect;
        // A list shows its whole text beside its arrow, over the cells to the right if need be.
        if (qobject_cast<QComboBox*>(editor))
            rect.setWidth(std::max(rect.width(), editor->sizeHint().width()));
        editor->setGeometry(rect);
    }

private:
    QWidget* createPickList(QWidget* parent, const QModelIndex& index,
                            const QStringList& texts) const {
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        list->addItems(texts);
        TStringGridView* view = m_view;
        const QPersistentModelIndex cell(index);
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [view, cell, list](int i) {
            // The cell follows the choice.
            if (i >= 0)
                TStringGridViewAccess::writeBack(view, cell, list->itemText(i));
        });
        TStringGridViewAccess::editorOpened(view, list);
        return list;
    }

    TStringGridView* m_view;
};

// The horizontal header shows the fixed row 0; its cells run the draw hook too.
class GridHeader : public QHeaderView {
public:
    explicit GridHeader(TStringGridView* view)
        : QHeaderView(Qt::Horizontal, view)
        , m_view(view) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        const auto& hook = m_view->drawCellHook();
        if (!hook)
            return;
        painter->save();
        painter->setPen(m_view->palette().color(QPalette::ButtonText));
        painter->setFont(m_view->font());
        painter->setClipRect(rect);
        guarded(m_view->errorHandler(), m_view, [&] { hook(logicalIndex, 0, rect, *painter); });
        painter->restore();
    }

private:
    TStringGridView* m_view;
};

} // namespace

TStringGridView::TStringGridView(QWidget* parent)
    : QTableView(parent) {
    m_grid = new StringGrid(0, 0, this);
    m_model = new StringGridModel(*m_grid, this, this);
    setHorizontalHeader(new GridHeader(this));
    setModel(m_model);
    setItemDelegate(new GridDelegate(this));
    connect(m_grid, &StringGrid::reset, this, &TStringGridView::gridReset);
    // A cell the grid refused to take from the editor is reported as a failing hook is.
    connect(m_model, &StringGridModel::setDataFailed, this,
            [this](std::exception_ptr error) { reportError(errorHandler(), this, error); });

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int newSize) {
                if (section >= 0 && section < m_colWidths.size())
                    m_colWidths[section] = newSize;
            });

    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The right button opens the popup menu on release, after the mouse-up hook.
    for (QWidget* w : {static_cast<QWidget*>(this), viewport(),
                       static_cast<QWidget*>(horizontalHeader()), horizontalHeader()->viewport()})
        w->setContextMenuPolicy(Qt::PreventContextMenu);
    setDefaultRowHeight(24);
    gridReset();
}

TStringGridView::~TStringGridView() {
    // The model and grid are children; stop following the grid before they go.
    disconnect(m_grid, nullptr, this, nullptr);
}

void TStringGridView::setDefaultColWidth(int width) {
    m_defaultColWidth = width;
    horizontalHeader()->setDefaultSectionSize(width);
    for (int c = 0; c < m_colWidths.size(); ++c)
        setColWidth(c, width);
}

void TStringGridView::setDefaultRowHeight(int height) {
    m_defaultRowHeight = height;
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height + m_gridLineWidth + 2);
}

int TStringGridView::colWidth(int col) const {
    return col >= 0 && col < m_colWidths.size() ? m_colWidths[col] : 0;
}

void TStringGridView::setColWidth(int col, int width) {
    if (col < 0 || col >= m_grid->colCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    width = std::max(width, 0);
    if (m_colWidths.size() < m_grid->colCount())
        m_colWidths.resize(m_grid->colCount(), m_defaultColWidth);
    m_colWidths[col] = width;
    if (col < horizontalHeader()->count() && horizontalHeader()->sectionSize(col) != width)
        horizontalHeader()->resizeSection(col, width);
}

void TStringGridView::setGridLineWidth(int width) {
    m_gridLineWidth = std::max(width, 0);
    setShowGrid(m_gridLineWidth > 0);
    setDefaultRowHeight(m_defaultRowHeight);
}

void TStringGridView::setEditing(bool on) {
    m_editing = on;
    if (!on && editorMode())
        hideEditor();
}

void TStringGridView::setRowSelect(bool on) {
    m_rowSelect = on;
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (on && row() >= 0)
        selectionModel()->select(m_model->index(gridToBodyRow(row()), col()),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TStringGridView::setDefaultDrawing(bool on) {
    m_defaultDrawing = on;
    viewport()->update();
}

void TStringGridView::setColSizing(bool on) {
    horizontalHeader()->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
}

int TStringGridView::col() const {
    return m_curCol;
}
int TStringGridView::row() const {
    return m_curRow;
}

bool TStringGridView::cellEditable(int col, int row) const {
    return m_editing && col >= m_grid->fixedCols() && col < m_grid->colCount() &&
           row >= m_grid->fixedRows() && row < m_grid->rowCount();
}

bool TStringGridView::askSelect(int col, int row) {
    if (!m_selectCell)
        return true;
    bool canSelect = true;
    return guarded(errorHandler(), this, [&] { m_selectCell(col, row, canSelect); }) && canSelect;
}

void TStringGridView::setCurrentCell(int col, int row) {
    if (col < m_grid->fixedCols() || col >= m_grid->colCount() || row < m_grid->fixedRows() ||
        row >= m_grid->rowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (col == m_curCol && row == m_curRow)
        return;
    if (!askSelect(col, row))
        return;
    // The hook may have changed the grid.
    if (col >= m_grid->colCount() || row >= m_grid->rowCount())
        return;
    m_curCol = col;
    m_curRow = row;
    const QModelIndex index = m_model->index(gridToBodyRow(row), col);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_rowSelect)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(index, flags);
    scrollTo(index);
}

GridRect TStringGridView::selection() const {
    GridRect rect{m_curCol, m_curRow, m_curCol, m_curRow};
    const QItemSelection ranges = selectionModel()->selection();
    bool first = true;
    for (const QItemSelectionRange& range : ranges) {
        const GridRect r{range.left(), bodyToGridRow(range.top()), range.right(),
                         bodyToGridRow(range.bottom())};
        if (first) {
            rect = r;
            first = false;
        } else {
            rect.left = std::min(rect.left, r.left);
            rect.top = std::min(rect.top, r.top);
            rect.right = std::max(rect.right, r.right);
            rect.bottom = std::max(rect.bottom, r.bottom);
        }
    }
    if (m_rowSelect && rect.top >= 0) {
        rect.left = m_grid->fixedCols();
        rect.right = m_grid->colCount() - 1;
    }
    return rect;
}

void TStringGridView::setSelection(const GridRect& rect) {
    const int left = std::max(rect.left, m_grid->fixedCols());
    const int right = std::min(rect.right, m_grid->colCount() - 1);
    const int top = std::max(gridToBodyRow(rect.top), 0);
    const int bottom = std::min(gridToBodyRow(rect.bottom), m_model->rowCount() - 1);
    if (left > right || top > bottom)
        return;
    QItemSelection selection(m_model->index(top, left), m_model->index(bottom, right));
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_rowSelect)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->select(selection, flags);
}

bool TStringGridView::mouseToCell(int x, int y, int& col, int& row) const {
    col = -1;
    row = -1;
    const QPoint p(x, y);
    const QHeaderView* header = horizontalHeader();
    if (!header->isHidden() && header->geometry().contains(p)) {
        const QPoint hp = header->viewport()->mapFrom(this, p);
        col = header->logicalIndexAt(hp.x());
        if (col < 0)
            return false;
        row = 0;
        return true;
    }
    const QPoint vp = viewport()->mapFrom(this, p);
    if (!viewport()->rect().contains(vp))
        return false;
    const QModelIndex index = indexAt(vp);
    if (!index.isValid())
        return false;
    col = index.column();
    row = bodyToGridRow(index.row());
    return true;
}

QPoint TStringGridView::cellPoint(int col, int row) const {
    const QRect cell = cellRect(col, row);
    return cell.isValid() ? cell.topLeft() + QPoint(1, 1) : QPoint(-1, -1);
}

QRect TStringGridView::cellRect(int col, int row) const {
    if (col < 0 || col >= m_grid->colCount() || row < 0 || row >= m_grid->rowCount())
        return {};
    const QHeaderView* header = horizontalHeader();
    if (row < m_grid->fixedRows()) {
        if (header->isHidden())
            return {};
        const QPoint origin = header->viewport()->mapTo(this, QPoint(0, 0));
        return QRect(origin.x() + header->sectionViewportPosition(col), origin.y(),
                     header->sectionSize(col), header->viewport()->height());
    }
    const QRect r = visualRect(m_model->index(gridToBodyRow(row), col));
    if (r.isEmpty())
        return {};
    return r.translated(viewport()->mapTo(this, QPoint(0, 0)));
}

int TStringGridView::textWidth(const QString& text) {
    m_textWidths.setFont(font());
    return m_textWidths.width(text);
}

int TStringGridView::widestText(int col) {
    m_textWidths.setFont(font());
    int widest = 0;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        widest = std::max(widest, m_textWidths.width(m_grid->cell(col, row)));
    return widest;
}

bool TStringGridView::horizontalScrollBarShown() const {
    const QScrollBar* bar = horizontalScrollBar();
    return bar->maximum() > bar->minimum();
}

QWidget* TStringGridView::openEditor() const {
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    return m_openEditor.data();
}

TEdit* TStringGridView::inplaceEditor() const {
    return qobject_cast<TEdit*>(openEditor());
}

QComboBox* TStringGridView::pickListEditor() const {
    return qobject_cast<QComboBox*>(openEditor());
}

void TStringGridView::setPickList(int col, const QStringList& texts) {
    if (texts.isEmpty())
        m_pickLists.remove(col);
    else
        m_pickLists.insert(col, texts);
}

void TStringGridView::showEditor() {
    if (editorMode() || !cellEditable(m_curCol, m_curRow))
        return;
    QTableView::edit(m_model->index(gridToBodyRow(m_curRow), m_curCol), AllEditTriggers, nullptr);
}

void TStringGridView::hideEditor() {
    QWidget* editor = openEditor();
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_openEditor = nullptr;
}

void TStringGridView::setDrawCellHook(DrawCellHook hook) {
    m_drawCell = std::move(hook);
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void TStringGridView::runGetEditText(int col, int row, QString& value) {
    if (m_getEditText)
        guarded(errorHandler(), this, [&] { m_getEditText(col, row, value); });
}

bool TStringGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid() || !cellEditable(index.column(), bodyToGridRow(index.row())))
        return false;
    return QTableView::edit(index, trigger, event);
}

void TStringGridView::gridReset() {
    // A reset closes the editor; the current cell stays where it was when it still exists.
    m_openEditor = nullptr;
    m_model->reload();
    horizontalHeader()->setVisible(m_grid->fixedRows() > 0);
    if (m_colWidths.size() != m_grid->colCount())
        m_colWidths.resize(m_grid->colCount(), m_defaultColWidth);
    applyGeometry();
    restoreCurrent();
}

void TStringGridView::applyGeometry() {
    QHeaderView* header = horizontalHeader();
    const QSignalBlocker blocker(header);
    for (int c = 0; c < m_colWidths.size() && c < header->count(); ++c)
        if (header->sectionSize(c) != m_colWidths[c])
            header->resizeSection(c, m_colWidths[c]);
}

void TStringGridView::restoreCurrent() {
    const int fixedCols = m_grid->fixedCols();
    const int fixedRows = m_grid->fixedRows();
    if (fixedCols >= m_grid->colCount() || fixedRows >= m_grid->rowCount()) {
        m_curCol = -1;
        m_curRow = -1;
        return;
    }
    m_curCol = std::clamp(m_curCol < 0 ? fixedCols : m_curCol, fixedCols, m_grid->colCount() - 1);
    m_curRow = std::clamp(m_curRow < 0 ? fixedRows : m_curRow, fixedRows, m_grid->rowCount() - 1);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_rowSelect)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(m_model->index(gridToBodyRow(m_curRow), m_curCol), flags);
}

QModelIndex TStringGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (!target.isValid() || target == current)
        return target;
    int col = target.column();
    const int row = bodyToGridRow(target.row());
    if (col < m_grid->fixedCols()) {
        if (!current.isValid())
            return current;
        col = current.column();
        target = m_model->index(target.row(), col);
        if (target == current)
            return current;
    }
    if (col == m_curCol && row == m_curRow)
        return target;
    if (!askSelect(col, row) || col >= m_grid->colCount() || row >= m_grid->rowCount())
        return m_curRow >= 0 ? m_model->index(gridToBodyRow(m_curRow), m_curCol) : QModelIndex();
    m_curCol = col;
    m_curRow = row;
    return m_model->index(gridToBodyRow(row), col);
}

void TStringGridView::keyPressEvent(QKeyEvent* event) {
    const QChar typed = KeyHookDetail::hookCharacter(event);
    if (typed.isNull()) {
        if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
            showEditor();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
        return;
    }
    if (m_pickLists.contains(m_curCol)) {
        // Nothing is typed into a list: a character opens it and picks the first text it
        // begins.
        event->accept();
        if (typed == QChar(8) || !cellEditable(m_curCol, m_curRow))
            return;
        showEditor();
        if (QComboBox* list = pickListEditor(); list && typed.isPrint())
            if (const int i = list->findText(QString(typed), Qt::MatchStartsWith); i >= 0)
                list->setCurrentIndex(i);
        return;
    }
    // A character typed on the grid itself: the key hook sees it with no editor open first.
    QChar key = typed;
    if (m_keyHook && !guarded(errorHandler(), this, [&] { m_keyHook(key); }))
        key = QChar();
    event->accept();
    if (key.isNull() || key == QChar(8))
        return;
    if (key == QChar(13)) {
        showEditor();
        return;
    }
    if (!cellEditable(m_curCol, m_curRow))
        return;
    showEditor();
    if (TEdit* editor = inplaceEditor()) {
        // The editor opens with its text selected; the key then reaches it as typed.
        QKeyEvent forwarded(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(editor, &forwarded);
    }
}

void TStringGridView::mousePressEvent(QMouseEvent* event) {
    if (m_mouseActivate) {
        const Qt::MouseButton button = event->button();
        guarded(errorHandler(), this, [&] { m_mouseActivate(button); });
    }
    if (event->button() != Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        const int col = index.column();
        const int row = bodyToGridRow(index.row());
        if (col < m_grid->fixedCols()) {
            setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
        if (col != m_curCol || row != m_curRow) {
            if (!askSelect(col, row) || col >= m_grid->colCount() || row >= m_grid->rowCount()) {
                setFocus(Qt::MouseFocusReason);
                event->accept();
                return;
            }
            m_curCol = col;
            m_curRow = row;
        }
    }
    QTableView::mousePressEvent(event);
}

void TStringGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void TStringGridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    // A drag over a range moves the selection, not the current cell.
    if (m_curRow >= 0 &&
        selectionModel()->currentIndex() != m_model->index(gridToBodyRow(m_curRow), m_curCol))
        selectionModel()->setCurrentIndex(m_model->index(gridToBodyRow(m_curRow), m_curCol),
                                          QItemSelectionModel::NoUpdate);
    releaseAt(event, viewport()->mapTo(this, event->position().toPoint()));
}

void TStringGridView::releaseAt(QMouseEvent* event, QPoint widgetPos) {
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers shift = event->modifiers();
    if (m_mouseUp)
        guarded(errorHandler(), this,
                [&] { m_mouseUp(button, shift, widgetPos.x(), widgetPos.y()); });
    if (button == Qt::RightButton && m_popupMenu)
        m_popupMenu->popup(mapToGlobal(widgetPos));
}

bool TStringGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (m_mouseActivate) {
                const Qt::MouseButton button = e->button();
                guarded(errorHandler(), this, [&] { m_mouseActivate(button); });
            }
            setFocus(Qt::MouseFocusReason);
            if (e->button() != Qt::LeftButton)
                return true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* e = static_cast<QMouseEvent*>(event);
            const bool resizing = horizontalHeader()->cursor().shape() == Qt::SplitHCursor;
            if (!resizing)
                releaseAt(e, horizontalHeader()->viewport()->mapTo(this, e->position().toPoint()));
        }
    }
    return QTableView::eventFilter(watched, event);
}
