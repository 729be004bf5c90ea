// Painting of the schedule and early-payment grids, column fitting, status line, mail link.
#include "TForm1.h"

#include "Guarded.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>

namespace {

// The developer's contact mailbox behind "Написать разработчику программы".
const QString DeveloperMailbox = QStringLiteral("sudograf.support@example.org");

// Margin added to the widest text of a column.
constexpr int FitMargin = 5;

// Keeps the columns of one grid fitted to their texts. It follows the grid's changes and fits
// once per batch of changes, before the grid is painted again (the queued fit runs ahead of
// the low-priority repaint), so the user always sees the fitted widths without every painted
// cell measuring the whole grid. A change of the grid's font or its first showing fits too.
class ColumnFitter : public QObject {
public:
    ColumnFitter(TForm1& form, TStringGridView* grid)
        : QObject(grid)
        , m_form(form)
        , m_grid(grid) {
        setObjectName(QStringLiteral("ColumnFitter"));
        connect(&grid->grid(), &StringGrid::cellChanged, this, [this] { schedule(); });
        connect(&grid->grid(), &StringGrid::reset, this, [this] { schedule(); });
        grid->installEventFilter(this);
    }

    void fitNow() {
        m_pending = false;
        m_form.AutoSizeCols(m_grid);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::Show)
            schedule();
        return QObject::eventFilter(watched, event);
    }

private:
    void schedule() {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(
            this, [this] { guarded(&m_form.errors(), m_grid, [this] { fitNow(); }); },
            Qt::QueuedConnection);
    }

    TForm1& m_form;
    TStringGridView* m_grid;
    bool m_pending = false;
};

// Body cells stand flush right, the header row is centred; both on the window background.
void drawCell(TStringGridView* grid, int col, int row, const QRect& rect, QPainter& painter) {
    const QString text = grid->grid().cell(col, row);
    const QPalette& palette = grid->palette();
    painter.fillRect(rect, palette.base());
    int align = Qt::AlignRight;
    if (row == 0)
        align = Qt::AlignHCenter;
    else {
        // The painting covers the view's own selection highlight; a selected cell keeps its text
        // readable on the uniform background and shows the selection by the text's colour.
        const GridRect s = grid->selection();
        const bool selected = col >= s.left && col <= s.right && row >= s.top && row <= s.bottom &&
                              col >= grid->grid().fixedCols();
        painter.setPen(palette.color(selected ? QPalette::Highlight : QPalette::Text));
    }
    painter.drawText(rect, align | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

// Widens PanelLeft, and List with it, until the catalogue needs no horizontal scroll bar. The
// missing width is computed at once; the schedule side keeps at least a third of the window.
void widenPanelLeft(TForm1& form) {
    TStringGridView* list = form.List;
    // Let pending layouts settle, so that the widths read below are the ones shown.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int content = list->horizontalHeader()->length();
    // The pages of PCSpiski share one rectangle: a page that is not shown has the size of the
    // one that is, and List keeps its place inside its own page.
    int listWidth = list->width();
    if (!list->isVisible() && form.PCSpiski->currentWidget() && form.TS1)
        listWidth = form.PCSpiski->currentWidget()->width() - (form.TS1->width() - list->width());
    const QSize inner =
        list->maximumViewportSize() - list->size() + QSize(listWidth, list->height());
    int available = inner.width();
    if (list->verticalHeader()->length() > inner.height())
        available -= list->verticalScrollBar()->sizeHint().width();
    const int missing = content - available;
    if (missing <= 0)
        return;
    const QWidget* window = form.centralWidget() ? form.centralWidget() : &form;
    const int limit = window->width() - (window->width() + 2) / 3;
    const int wanted = std::min(form.PanelLeft->width() + missing, limit);
    if (wanted > form.PanelLeft->width())
        form.PanelLeft->setFixedWidth(wanted);
}

} // namespace

// The columns of both grids are fitted whenever their texts change (see ColumnFitter), which
// gives the widths that fitting at every painted cell would give.
void TForm1::GrafikDrawCell(QObject* /*sender*/, int col, int row, const QRect& rect,
                            QPainter& painter) {
    drawCell(Grafik, col, row, rect, painter);
}

void TForm1::DosPlatDrawCell(QObject* /*sender*/, int col, int row, const QRect& rect,
                             QPainter& painter) {
    drawCell(DosPlat, col, row, rect, painter);
}

// Grafik fits every column, DosPlat all of its columns; both from the window's creation on.
// Their cells are painted by the draw handlers alone: drawCell covers every cell it is given,
// so the grids' own painting of the cells would never be seen.
void TForm1::setUpGridPresentation() {
    Grafik->setDefaultDrawing(false);
    DosPlat->setDefaultDrawing(false);
    (new ColumnFitter(*this, Grafik))->fitNow();
    (new ColumnFitter(*this, DosPlat))->fitNow();
}

void TForm1::AutoSizeCol(TStringGridView* grid, int column) {
    grid->setColWidth(column, grid->widestText(column) + FitMargin);
    if (grid == List)
        widenPanelLeft(*this);
}

void TForm1::AutoSizeCols(TStringGridView* grid) {
    for (int c = 0; c < grid->grid().colCount(); ++c)
        AutoSizeCol(grid, c);
}

void TForm1::FitColumnsToHeaders(TStringGridView* grid) {
    const StringGrid& cells = grid->grid();
    if (cells.colCount() > 0)
        AutoSizeCol(grid, 0);
    for (int c = 1; c < cells.colCount(); ++c)
        grid->setColWidth(c, grid->textWidth(cells.cell(c, 0)) + FitMargin);
}

void TForm1::StatusDrawPanel(QObject* /*sender*/, int panel, const QRect& rect, QPainter& painter) {
    if (panel != 0 && panel != 1)
        return;
    QFont font(QStringLiteral("Arial"), 8, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    painter.setFont(font);
    // The total debt in black, the overpayment in red.
    painter.setPen(panel == 0 ? QColor(0, 0, 0) : QColor(255, 0, 0));
    painter.setBackground(Status->palette().button());
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     Status->panelText(panel));
}

void TForm1::MailToClick(QObject* /*sender*/) {
    // Without a registered mail program nothing happens; the answer is not examined.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + DeveloperMailbox +
                                   QStringLiteral("?subject=Программа%20Ссудограф")));
}
