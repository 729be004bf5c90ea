#pragma once

#include "ScheduleSeries.h"

#include <QWidget>

class StringGrid;

// The schedule as a chart: the remaining debt after each payment as a line over the payment
// dates (left axis), and each payment split into principal and interest as stacked bars
// (right axis), with a legend. The chart follows the grid it watches: every change of the
// schedule (a build, a load, clearing) is drawn at the next paint. An empty schedule gives
// empty axes and a short hint.
class ScheduleChart : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleChart(const StringGrid& grafik, QWidget* parent = nullptr);

    // The payments drawn, read from the grid when it last changed.
    const QList<Report::SeriesPoint>& points() const;

    // Colours of the three series.
    static const QColor DebtColour;
    static const QColor PrincipalColour;
    static const QColor InterestColour;

    static const QString EmptyHint;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void gridChanged();

    const StringGrid& m_grafik;
    mutable QList<Report::SeriesPoint> m_points;
    mutable bool m_stale = true;
};
