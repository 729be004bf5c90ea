#include "ScheduleSeries.h"

#include "DateText.h"
#include "Exceptions.h"
#include "NumberText.h"
#include "StringGrid.h"

namespace Report {
namespace {

long double amount(const QString& text) {
    try {
        return NumberText::StrToFloat(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

} // namespace

QList<SeriesPoint> ScheduleSeries(const StringGrid& grafik) {
    QList<SeriesPoint> points;
    for (int r = 1; r < grafik.rowCount(); ++r) {
        SeriesPoint p;
        p.date = DateText::ReadDate(grafik.cell(1, r));
        if (!p.date.isValid())
            continue;
        p.principal = amount(grafik.cell(3, r));
        p.interest = amount(grafik.cell(4, r));
        p.debt = amount(grafik.cell(5, r));
        p.early = grafik.cell(0, r).isEmpty();
        points << p;
    }
    return points;
}

} // namespace Report
