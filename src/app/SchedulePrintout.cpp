#include "SchedulePrintout.h"

#include "StringGrid.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace SchedulePrintout {
namespace {

constexpr double RowMm = 5;
constexpr double FootMm = 8;
constexpr double HeadingMm = 8;
constexpr double TermMm = 5;
constexpr double TitleGapMm = 4;
constexpr double CellPaddingMm = 1.2;
constexpr double BodyPoints = 9;
constexpr double SmallestPoints = 5;
constexpr double HeadingPoints = 14;

// The terms under the heading: every summary line but the name, which the heading holds.
QStringList termLines(const Report::LoanSummary& loan) {
    QStringList lines;
    const QList<Report::SummaryField> fields = Report::SummaryFields(loan);
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const Report::SummaryField& f = fields[i];
        lines << f.label + QStringLiteral(": ") + f.value +
                     (f.unit.isEmpty() ? QString() : u' ' + f.unit);
    }
    return lines;
}

class Painter {
public:
    Painter(QPagedPaintDevice& device, QPainter& painter, const QFont& baseFont)
        : m_device(device)
        , m_painter(painter)
        , m_pxPerMm(device.logicalDpiY() / 25.4)
        , m_base(baseFont) {}

    double px(double mm) const { return mm * m_pxPerMm; }
    double pageWidth() const { return m_device.width(); }
    double pageHeight() const { return m_device.height(); }
    double pageHeightMm() const { return pageHeight() / m_pxPerMm; }

    QFont font(double points, bool bold = false) const {
        QFont f(m_base);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    // Column widths that fill the page width: each column as wide as its widest text plus
    // padding, the spare width shared out evenly; a grid too wide for the page is printed in
    // a smaller type.
    void fitColumns(const StringGrid& grafik) {
        m_bodyPoints = BodyPoints;
        m_widths.assign(static_cast<size_t>(grafik.colCount()), 0);
        const QFontMetricsF body(font(m_bodyPoints), &m_device);
        const QFontMetricsF bold(font(m_bodyPoints, true), &m_device);
        for (int c = 0; c < grafik.colCount(); ++c) {
            double widest = 0;
            for (int r = 0; r < grafik.rowCount(); ++r) {
                const bool isBold = r == 0 || r == grafik.rowCount() - 1;
                widest =
                    std::max(widest, (isBold ? bold : body).horizontalAdvance(grafik.cell(c, r)));
            }
            m_widths[static_cast<size_t>(c)] = widest + 2 * px(CellPaddingMm);
        }
        double total = 0;
        for (double w : m_widths)
            total += w;
        if (total <= 0)
            return;
        if (total > pageWidth())
            m_bodyPoints = std::max(SmallestPoints, BodyPoints * pageWidth() / total);
        const double spare = (pageWidth() - std::min(total, pageWidth())) / m_widths.size();
        const double scale = std::min(1.0, pageWidth() / total);
        for (double& w : m_widths)
            w = w * scale + spare;
    }

    double heading(const QString& text, double y) {
        m_painter.setFont(font(HeadingPoints, true));
        m_painter.drawText(QRectF(0, y, pageWidth(), px(HeadingMm)),
                           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        return y + px(HeadingMm);
    }

    double term(const QString& text, double y) {
        m_painter.setFont(font(BodyPoints + 1));
        m_painter.drawText(QRectF(0, y, pageWidth(), px(TermMm)),
                           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        return y + px(TermMm);
    }

    // One row of the grid; the header row centred on a grey ground, the others flush right.
    double row(const StringGrid& grafik, int r, double y, bool header, bool bold) {
        m_painter.setFont(font(m_bodyPoints, bold));
        double x = 0;
        const double h = px(RowMm);
        for (int c = 0; c < grafik.colCount(); ++c) {
            const double w = m_widths[static_cast<size_t>(c)];
            const QRectF cell(x, y, w, h);
            if (header)
                m_painter.fillRect(cell, QColor(230, 230, 230));
            m_painter.drawRect(cell);
            const QRectF text = cell.adjusted(px(CellPaddingMm), 0, -px(CellPaddingMm), 0);
            const Qt::Alignment align = header ? Qt::AlignHCenter : Qt::AlignRight;
            m_painter.drawText(text, align | Qt::AlignVCenter | Qt::TextSingleLine,
                               grafik.cell(c, r));
            x += w;
        }
        return y + h;
    }

    void foot(int page, int pages) {
        m_painter.setFont(font(BodyPoints - 1));
        m_painter.drawText(QRectF(0, pageHeight() - px(FootMm), pageWidth(), px(FootMm)),
                           Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                           QStringLiteral("Страница %1 из %2").arg(page).arg(pages));
    }

private:
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    double m_pxPerMm;
    QFont m_base;
    double m_bodyPoints = BodyPoints;
    std::vector<double> m_widths;
};

} // namespace

PageCapacity Capacity(double pageHeightMm, int termLines) {
    const double content = pageHeightMm - FootMm - RowMm; // less the foot and the header row
    const double title = HeadingMm + termLines * TermMm + TitleGapMm;
    // A small allowance keeps a page that holds exactly n rows from losing one to rounding.
    const auto rows = [](double mm) {
        return std::max(1, static_cast<int>(std::floor(mm / RowMm + 1e-6)));
    };
    return {rows(content - title), rows(content)};
}

int PageCount(int bodyRows, PageCapacity capacity) {
    if (bodyRows <= capacity.first)
        return 1;
    const int rest = bodyRows - capacity.first;
    return 1 + (rest + capacity.other - 1) / capacity.other;
}

QString Heading(const Report::LoanSummary& loan) {
    const QString heading = QStringLiteral("График платежей");
    return loan.name.isEmpty() ? heading : heading + QStringLiteral(": ") + loan.name;
}

int Print(QPagedPaintDevice& device, const Report::LoanSummary& loan, const StringGrid& grafik,
          const QFont& baseFont) {
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    Painter page(device, painter, baseFont);
    painter.setPen(QPen(Qt::black, page.px(0.2)));
    page.fitColumns(grafik);

    const QStringList terms = termLines(loan);
    const PageCapacity capacity = Capacity(page.pageHeightMm(), static_cast<int>(terms.size()));
    const int bodyRows = std::max(0, grafik.rowCount() - 1);
    const int pages = PageCount(bodyRows, capacity);

    int next = 1; // the next grid row to print
    for (int p = 1; p <= pages; ++p) {
        if (p > 1 && !device.newPage())
            return 0;
        double y = 0;
        if (p == 1) {
            y = page.heading(Heading(loan), y);
            for (const QString& line : terms)
                y = page.term(line, y);
            y += page.px(TitleGapMm);
        }
        y = page.row(grafik, 0, y, true, true);
        const int rows = p == 1 ? capacity.first : capacity.other;
        for (int i = 0; i < rows && next < grafik.rowCount(); ++i, ++next) {
            const bool totals = next == grafik.rowCount() - 1 && Report::HasSchedule(grafik);
            y = page.row(grafik, next, y, false, totals);
        }
        page.foot(p, pages);
    }
    return painter.end() ? pages : 0;
}

} // namespace SchedulePrintout
