#include "ScheduleChart.h"

#include "NumberText.h"
#include "StringGrid.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

const QColor ScheduleChart::DebtColour(31, 90, 170);
const QColor ScheduleChart::PrincipalColour(90, 170, 90);
const QColor ScheduleChart::InterestColour(230, 140, 40);
const QString ScheduleChart::EmptyHint =
    QStringLiteral("Постройте график платежей, чтобы увидеть диаграмму");

namespace {

// The smallest round value at or above the value: one of 1, 1.5, 2, 2.5, 3, 4, 5, 6, 8 times a
// power of ten, so that a fifth of it is a round step too.
double roundCeiling(double value) {
    if (value <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
        if (step * power >= value * (1 - 1e-12))
            return step * power;
    return 10 * power;
}

QString rubles(double value) {
    return NumberText::FloatToFixed(static_cast<long double>(value), 0, true);
}

// Months between ticks of the date axis: the smallest of the usual steps whose labels do
// not overlap.
int monthStep(int months, double width, double labelWidth) {
    for (int step : {1, 2, 3, 6, 12, 24, 60, 120})
        if (months / step * labelWidth * 1.5 <= width)
            return step;
    return 240;
}

} // namespace

ScheduleChart::ScheduleChart(const StringGrid& grafik, QWidget* parent)
    : QWidget(parent)
    , m_grafik(grafik) {
    setAutoFillBackground(false);
    connect(&grafik, &StringGrid::reset, this, &ScheduleChart::gridChanged);
    connect(&grafik, &StringGrid::cellChanged, this, &ScheduleChart::gridChanged);
}

void ScheduleChart::gridChanged() {
    m_stale = true;
    update();
}

const QList<Report::SeriesPoint>& ScheduleChart::points() const {
    if (m_stale) {
        m_points = Report::ScheduleSeries(m_grafik);
        m_stale = false;
    }
    return m_points;
}

void ScheduleChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QList<Report::SeriesPoint>& series = points();
    const QFontMetrics fm(font());
    const int line = fm.height();

    // Legend on top.
    const struct {
        QString text;
        QColor colour;
        bool isLine;
    } legend[] = {{QStringLiteral("Остаток долга"), DebtColour, true},
                  {QStringLiteral("Основной долг"), PrincipalColour, false},
                  {QStringLiteral("Проценты"), InterestColour, false}};
    int lx = 8;
    const int ly = 6;
    for (const auto& item : legend) {
        const QRect mark(lx, ly + line / 4, line, line / 2);
        if (item.isLine)
            p.fillRect(mark.adjusted(0, mark.height() / 2 - 1, 0, -(mark.height() / 2 - 1)),
                       item.colour);
        else
            p.fillRect(mark, item.colour);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(lx + line + 4, ly + fm.ascent(), item.text);
        lx += line + 4 + fm.horizontalAdvance(item.text) + 14;
    }

    // Scales: the debt on the left axis, the payments on the right.
    double maxDebt = 0, maxPayment = 0;
    for (const Report::SeriesPoint& pt : series) {
        maxDebt = std::max(maxDebt, static_cast<double>(pt.debt));
        maxPayment = std::max(maxPayment, static_cast<double>(pt.principal + pt.interest));
    }
    const double debtTop = roundCeiling(maxDebt);
    const double paymentTop = roundCeiling(maxPayment);
    constexpr int Ticks = 5;

    const int leftLabels = fm.horizontalAdvance(rubles(debtTop)) + 8;
    const int rightLabels = fm.horizontalAdvance(rubles(paymentTop)) + 8;
    // Rows from the top: the legend, the titles of the two value axes, the plot, the dates.
    const int titles = ly + line + 6;
    const int top = titles + line + line / 2 + 2;
    const QRect plot(leftLabels + 4, top, std::max(10, width() - leftLabels - rightLabels - 8),
                     std::max(10, height() - top - 2 * line - 6));

    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(4, titles, width() / 2 - 4, line), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Долг, руб."));
    p.drawText(QRect(width() / 2, titles, width() / 2 - 4, line), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Платёж, руб."));

    // Grid lines, and value labels when there are values.
    for (int i = 0; i <= Ticks; ++i) {
        const double y = plot.bottom() - plot.height() * i / double(Ticks);
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (series.isEmpty())
            continue;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(0, y - line / 2.0, leftLabels, line), Qt::AlignRight | Qt::AlignVCenter,
                   rubles(debtTop * i / Ticks));
        p.drawText(QRectF(plot.right() + 6, y - line / 2.0, rightLabels, line),
                   Qt::AlignLeft | Qt::AlignVCenter, rubles(paymentTop * i / Ticks));
    }
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawRect(plot);

    if (series.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(plot.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, EmptyHint);
        return;
    }

    // The date axis runs from a month before the first payment to a month after the last, so
    // the outer bars stay inside.
    const QDate first = series.front().date.addMonths(-1);
    const QDate last = series.back().date.addMonths(1);
    const double span = std::max<qint64>(1, first.daysTo(last));
    const auto xOf = [&](QDate d) {
        return plot.left() + plot.width() * first.daysTo(d) / span;
    };
    const auto yDebt = [&](double v) {
        return plot.bottom() - plot.height() * v / debtTop;
    };
    const auto yPayment = [&](double v) {
        return plot.bottom() - plot.height() * v / paymentTop;
    };

    // Bars as wide as the closest two payments allow.
    double gap = plot.width();
    for (qsizetype i = 1; i < series.size(); ++i)
        if (series[i].date > series[i - 1].date)
            gap = std::min(gap, xOf(series[i].date) - xOf(series[i - 1].date));
    const double barWidth = std::clamp(gap * 0.7, 1.0, 40.0);
    p.setPen(Qt::NoPen);
    for (const Report::SeriesPoint& pt : series) {
        const double x = xOf(pt.date) - barWidth / 2;
        const double principal = std::max(0.0, static_cast<double>(pt.principal));
        const double interest = std::max(0.0, static_cast<double>(pt.interest));
        const double yP = yPayment(principal);
        const double yI = yPayment(principal + interest);
        p.fillRect(QRectF(x, yP, barWidth, plot.bottom() - yP), PrincipalColour);
        p.fillRect(QRectF(x, yI, barWidth, yP - yI), InterestColour);
    }

    // The debt line through the debt left after every payment.
    QPainterPath path;
    path.moveTo(xOf(series.front().date), yDebt(static_cast<double>(series.front().debt)));
    for (const Report::SeriesPoint& pt : series)
        path.lineTo(xOf(pt.date), yDebt(static_cast<double>(pt.debt)));
    p.setPen(QPen(DebtColour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);

    // Date ticks on the first day of every step-th month, counted from January, so yearly
    // ticks stand on New Year and are labelled with the year alone.
    const int months = (last.year() - first.year()) * 12 + last.month() - first.month();
    const int step =
        monthStep(months, plot.width(), fm.horizontalAdvance(QStringLiteral("00.0000")));
    const QString format = step % 12 == 0 ? QStringLiteral("yyyy") : QStringLiteral("MM.yyyy");
    p.setPen(palette().color(QPalette::WindowText));
    for (QDate d(first.year(), 1, 1); d <= last; d = d.addMonths(step)) {
        if (d < first)
            continue;
        const double x = xOf(d);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        const QString label = d.toString(format);
        const double w = fm.horizontalAdvance(label);
        p.drawText(QRectF(x - w / 2 - 2, plot.bottom() + 5, w + 4, line), Qt::AlignCenter, label);
    }
}
