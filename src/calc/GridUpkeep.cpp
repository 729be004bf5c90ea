#include "GridUpkeep.h"

#include "Exceptions.h"
#include "NumberText.h"
#include "StringGrid.h"

namespace Calc {

void GrafikClearCells(StringGrid& grafik) {
    StringGrid::UpdateBlock update(grafik);
    for (int r = 1; r < grafik.rowCount(); ++r)
        for (int c = 2; c < grafik.colCount(); ++c)
            if (c != CorrectionColumn)
                grafik.setCell(c, r, QString());
}

void GrafikClearFullCells(StringGrid& grafik) {
    StringGrid::UpdateBlock update(grafik);
    grafik.clearCells();
    grafik.setRowCount(2);
    grafik.setColCount(BaseColumnCount);
}

void GrafikHeaders(StringGrid& grafik) {
    static const QStringList headers = {QStringLiteral("№"),
                                        QStringLiteral("Дата"),
                                        QStringLiteral("Месячный платёж"),
                                        QStringLiteral("Основной долг"),
                                        QStringLiteral("Проценты"),
                                        QStringLiteral("Остаток долга"),
                                        QStringLiteral("корр. процентов")};
    StringGrid::UpdateBlock update(grafik);
    for (int c = 0; c < headers.size(); ++c)
        grafik.setCell(c, 0, headers[c]);
}

namespace {

void dosPlatHeaders(StringGrid& dosPlat) {
    dosPlat.setCell(0, 0, QStringLiteral("Дата"));
    dosPlat.setCell(1, 0, QStringLiteral("Сумма"));
    dosPlat.setCell(DosPlatReduceColumn, 0, QStringLiteral("Уменьшить"));
}

} // namespace

void DosPlatClear(StringGrid& dosPlat) {
    StringGrid::UpdateBlock update(dosPlat);
    for (int r = 1; r < dosPlat.rowCount(); ++r)
        for (int c = 0; c < dosPlat.colCount(); ++c)
            dosPlat.setCell(c, r, QString());
    dosPlat.setRowCount(2);
    dosPlat.setColCount(DosPlatColumnCount);
    dosPlatHeaders(dosPlat);
    dosPlat.setCell(DosPlatReduceColumn, 1, DosPlatReducePayment());
}

void DosPlatAddRow(StringGrid& dosPlat) {
    StringGrid::UpdateBlock update(dosPlat);
    if (dosPlat.colCount() < DosPlatColumnCount) {
        dosPlat.setColCount(DosPlatColumnCount);
        if (dosPlat.rowCount() > 0)
            dosPlatHeaders(dosPlat);
    }
    const int row = dosPlat.rowCount();
    dosPlat.setRowCount(row + 1);
    if (row >= 1) // not the header row of a table that had none
        dosPlat.setCell(DosPlatReduceColumn, row, DosPlatReducePayment());
}

QString ZapolnitSummu(const QString& text) {
    if (text.isEmpty() || text.contains(u','))
        return text;
    try {
        NumberText::StrToFloat(text);
    } catch (const EConvertError&) {
        return text; // not a number (a lone "-"): the build will say so
    }
    return text + QStringLiteral(",00");
}

} // namespace Calc
