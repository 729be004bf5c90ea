#include "ScheduleText.h"

#include "DateText.h"
#include "Exceptions.h"
#include "GrafikCalc.h"
#include "GridUpkeep.h"
#include "NumberText.h"
#include "StringGrid.h"

namespace Report {
namespace {

bool isNonZeroNumber(const QString& text) {
    try {
        return NumberText::StrToFloat(text) != 0;
    } catch (const EConvertError&) {
        return false;
    }
}

} // namespace

QList<SummaryField> SummaryFields(const LoanSummary& loan) {
    QList<SummaryField> fields{
        {QStringLiteral("Наименование"), loan.name, {}},
        {QStringLiteral("Кредитор"), loan.lender, {}},
        {QStringLiteral("Сумма кредита"), Calc::TwoDecimals(loan.amount), QStringLiteral("руб.")},
        {QStringLiteral("Процентная ставка"), loan.rate, QStringLiteral("%")},
    };
    if (isNonZeroNumber(loan.secondRate) && isNonZeroNumber(loan.secondFrom)) {
        fields << SummaryField{QStringLiteral("Вторая процентная ставка"), loan.secondRate,
                               QStringLiteral("%")};
        fields << SummaryField{QStringLiteral("С какого месяца действует"), loan.secondFrom, {}};
    }
    fields << SummaryField{QStringLiteral("Срок кредита (кол-во платежей)"), loan.term, {}};
    fields << SummaryField{
        QStringLiteral("Дата выдачи кредита"), DateText::DateToStr(loan.issued), {}};
    fields << SummaryField{
        QStringLiteral("Дата первого платежа"), DateText::DateToStr(loan.firstPayment), {}};
    return fields;
}

bool HasSchedule(const StringGrid& grafik) {
    const int last = grafik.rowCount() - 1;
    return last >= 2 && grafik.cell(1, last) == Calc::TotalsCaption();
}

QString TabSeparatedText(const StringGrid& grafik) {
    QString text;
    for (int r = 0; r < grafik.rowCount(); ++r) {
        for (int c = 0; c < grafik.colCount(); ++c) {
            if (c > 0)
                text += u'\t';
            QString cell = grafik.cell(c, r);
            for (QChar& ch : cell)
                if (ch == u'\t' || ch == u'\n' || ch == u'\r')
                    ch = u' ';
            text += cell;
        }
        text += u'\n';
    }
    return text;
}

QString CsvField(const QString& text) {
    const bool quote = text.contains(u';') || text.contains(u'"') || text.contains(u'\n') ||
                       text.contains(u'\r') ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString CsvText(const StringGrid& grafik, const LoanSummary& loan) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (const SummaryField& field : SummaryFields(loan)) {
        const QString label =
            field.unit.isEmpty() ? field.label : field.label + QStringLiteral(", ") + field.unit;
        text += CsvField(label) + u';' + CsvField(field.value) + lineEnd;
    }
    text += lineEnd;
    for (int r = 0; r < grafik.rowCount(); ++r) {
        for (int c = 0; c < grafik.colCount(); ++c) {
            if (c > 0)
                text += u';';
            text += CsvField(grafik.cell(c, r));
        }
        text += lineEnd;
    }
    return text;
}

QByteArray CsvFileBytes(const StringGrid& grafik, const LoanSummary& loan) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + CsvText(grafik, loan).toUtf8();
}

} // namespace Report
