#include "GrafikCalc.h"

#include "CheckedMath.h"
#include "DateText.h"
#include "NumberText.h"
#include "ScheduleMath.h"
#include "StringGrid.h"

#include <QHash>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <optional>
#include <unordered_map>
#include <vector>

namespace Calc {
namespace {

using Checked::add;
using Checked::div;
using Checked::mul;
using Checked::sub;

const QString InsuranceHeader = QStringLiteral("Страховка");
const QString SmsHeaderNew = QStringLiteral("SMS");
const QString SmsHeader = QStringLiteral("  SMS  ");
const QString TotalsCaption = QStringLiteral("Итого:");

// A number field converted where it is first used and remembered for the rest of the
// computation (its text does not change meanwhile); a text that is not a number fails at its
// first use.
class FieldValue {
public:
    explicit FieldValue(const QString& text)
        : m_text(text) {}
    long double operator()() {
        if (!m_known) {
            m_value = NumberText::StrToFloat(m_text);
            m_known = true;
        }
        return m_value;
    }

private:
    const QString& m_text;
    long double m_value = 0;
    bool m_known = false;
};

// The texts of the repeating amounts of one build. Many rows repeat the same payment and add-on
// instalments, and writing a number out is the costly part of a build: each distinct value is
// written out once.
class AmountTexts {
public:
    const QString& operator()(long double value) {
        Key key;
        std::memcpy(&key.mantissa, &value, sizeof key.mantissa);
        std::memcpy(&key.exponent, reinterpret_cast<const char*>(&value) + sizeof key.mantissa,
                    sizeof key.exponent);
        auto found = m_texts.find(key);
        if (found == m_texts.end())
            found = m_texts.emplace(key, NumberText::FloatToStr(value)).first;
        return found->second;
    }

private:
    // The 80 bits of an extended value.
    struct Key {
        std::uint64_t mantissa = 0;
        std::uint16_t exponent = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const noexcept {
            return std::hash<std::uint64_t>()(k.mantissa ^ (std::uint64_t(k.exponent) << 48));
        }
    };
    std::unordered_map<Key, QString, KeyHash> m_texts;
};

long double yearLength(int year) {
    return QDate::isLeapYear(year) ? 366.0L : 365.0L;
}

// The dates of the schedule's cells. A rebuild reads the same date texts again; each text that
// reads as a date is kept with its date for the program's run (a bounded number of them), a
// text that does not fails every time it is read.
QDate cellDate(const QString& text) {
    static QHash<QString, QDate> dates;
    if (const auto found = dates.constFind(text); found != dates.constEnd())
        return *found;
    const QDate date = DateText::StrToDate(text);
    if (dates.size() >= 100000)
        dates.clear();
    dates.insert(text, date);
    return date;
}

// The early payments of the table, their dates read as they are first needed: a date that is
// not a date fails when the search reaches its row.
class EarlyPayments {
public:
    explicit EarlyPayments(const StringGrid& dosPlat)
        : m_grid(dosPlat)
        , m_dates(static_cast<size_t>(std::max(dosPlat.rowCount(), 0))) {}

    // The first row with a date that equals date, or 0.
    int find(QDate date) {
        for (int m = 1; m < m_grid.rowCount(); ++m) {
            std::optional<QDate>& known = m_dates[static_cast<size_t>(m)];
            if (!known) {
                const QString text = m_grid.cell(0, m);
                if (text.isEmpty())
                    continue;
                known = cellDate(text);
            }
            if (*known == date)
                return m;
        }
        return 0;
    }

    long double sum(int row) const { return NumberText::StrToFloat(m_grid.cell(1, row)); }

private:
    const StringGrid& m_grid;
    std::vector<std::optional<QDate>> m_dates;
};

// The payment number of the row, or of the nearest numbered row above it; 0 when there is none.
int paymentNumberAtOrAbove(const StringGrid& grid, int row) {
    for (int r = row; r >= 1; --r) {
        const QString text = grid.cell(0, r);
        if (!text.isEmpty())
            return NumberText::StrToInt(text);
    }
    return 0;
}

// Adds columns at the right with the given headers.
void addColumns(StringGrid& grid, const QStringList& headers) {
    if (headers.isEmpty())
        return;
    const int first = grid.colCount();
    grid.setColCount(first + static_cast<int>(headers.size()));
    for (int c = 0; c < headers.size(); ++c)
        grid.setCell(first + c, 0, headers[c]);
}

} // namespace

Opening GrafikOpening(const LoanTerms& terms) {
    Opening o;
    o.b0 = NumberText::StrToFloat(terms.summCred);
    if (terms.strahYesVKred)
        o.b0 = add(o.b0, NumberText::StrToFloat(terms.strahSumm));
    if (terms.smsYesVKred)
        o.b0 = add(o.b0, NumberText::StrToFloat(terms.smsSumm));
    const int n = PaymentCount(terms);
    const long double rate = NumberText::StrToFloat(terms.procent0);
    if (rate != 0) {
        o.p0 = Okruglit(mul(AnnuitetFactor(n, rate), o.b0));
    } else {
        // An interest-free loan spreads the amount evenly. No payments at all is a division by
        // zero, whatever the amount.
        if (n == 0)
            Checked::raiseZeroDivide();
        o.p0 = div(o.b0, static_cast<long double>(n));
    }
    return o;
}

long double SmsShare(const LoanTerms& terms) {
    if (terms.smsYesVKred)
        return 0;
    const long double n = PaymentCount(terms);
    return Okruglit(add(div(NumberText::StrToFloat(terms.smsSumm), n), 0.005L));
}

long double PeriodInterest(long double rate, long double balance, QDate d0, QDate d1,
                           bool year360) {
    if (year360) {
        const long double days = static_cast<long double>(DateText::DaysBetween(d0, d1));
        return mul(mul(div(div(rate, 100.0L), 360.0L), balance), days);
    }
    int y0 = 0, m0 = 0, dd0 = 0;
    int y1 = 0, m1 = 0, dd1 = 0;
    d0.getDate(&y0, &m0, &dd0);
    d1.getDate(&y1, &m1, &dd1);
    if (m1 == m0) {
        const long double length = QDate::isLeapYear(y0) && QDate::isLeapYear(y1) ? 366.0L : 365.0L;
        const long double days = dd1 - dd0;
        return mul(mul(div(div(rate, 100.0L), length), balance), days);
    }
    const long double restOfMonth = QDate(y0, m0, 1).daysInMonth() - dd0;
    const long double first =
        mul(mul(div(div(rate, 100.0L), yearLength(y0)), balance), restOfMonth);
    long double secondDays = dd1;
    const bool nextMonth = m1 == m0 + 1 || (m0 == 12 && m1 == 1);
    if (!nextMonth) {
        // A longer gap always counts as one February of the first year.
        secondDays = (QDate::isLeapYear(y0) ? 29 : 28) + dd1;
    }
    const long double second =
        mul(mul(div(div(rate, 100.0L), yearLength(y1)), balance), secondDays);
    return add(first, second);
}

QString TwoDecimals(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0) {
        if (text.size() - comma == 2)
            return text + u'0';
        return text;
    }
    if (text.isEmpty())
        return text;
    return text + QStringLiteral(",00");
}

void GrafikCalc(const LoanTerms& terms, StringGrid& grafik, const StringGrid& dosPlat) {
    StringGrid::UpdateBlock update(grafik);

    FieldValue rate0(terms.procent0);
    FieldValue rate1(terms.procent1);
    FieldValue deviation(terms.procentRiska0);
    FieldValue insurance(terms.strahSumm);
    FieldValue insuranceRows(terms.strahCol);
    FieldValue smsPrice(terms.smsSumm);
    std::optional<int> secondRateRow;

    // Opening: amount to repay and first payment.
    const Opening opening = GrafikOpening(terms);
    long double balance = opening.b0; // B
    long double payment = opening.p0; // P
    const int n = PaymentCount(terms);

    // Add-on columns for insurance and SMS paid on top of the loan, the insurance column first.
    // Both are added at once; when the SMS share cannot be computed, the insurance column is
    // still there.
    QStringList addOnHeaders;
    if (!terms.strahYesVKred && insurance() != 0)
        addOnHeaders << InsuranceHeader;
    long double smsShare = 0;
    try {
        smsShare = SmsShare(terms);
    } catch (...) {
        addColumns(grafik, addOnHeaders);
        throw;
    }
    if (!terms.smsYesVKred && smsShare != 0)
        addOnHeaders << SmsHeaderNew;
    addColumns(grafik, addOnHeaders);
    // Insurance instalment k and the remainder a left for row N.
    std::optional<long double> instalment;
    const auto k = [&]() {
        if (!instalment)
            instalment = Okruglit(div(insurance(), insuranceRows()));
        return *instalment;
    };
    const auto remainder = [&]() {
        return sub(insurance(), mul(sub(insuranceRows(), 1.0L), k()));
    };

    EarlyPayments earlyPayments(dosPlat);
    AmountTexts texts;
    const int lastRow = grafik.rowCount() - 1; // R
    bool recalculate = false;
    long double previousPrincipal = 0; // value of cell (3, i - 1)
    long double previousBalance = 0;   // value of cell (5, i - 1)
    QDate previousDate;                // date of cell (1, i - 1)
    int stopRow = -1;

    for (int i = 1; i <= lastRow; ++i) {
        // After a row that paid interest only, the payment is the annuity of the remaining
        // debt over the payments still to come.
        if (i > 1 && previousPrincipal == 0 && previousBalance > 0) {
            if (rate0() != 0) {
                const int remaining = n - paymentNumberAtOrAbove(grafik, i - 1);
                // After the last regular payment no payment is left to spread the debt over:
                // it falls due at once.
                payment = remaining > 0 ? Okruglit(mul(AnnuitetFactor(remaining, rate0()), balance))
                                        : balance;
            } else {
                payment = div(balance, static_cast<long double>(n));
            }
        }
        // Paid off: this row and all below it are dropped.
        if (balance <= 0) {
            stopRow = i;
            break;
        }

        const QDate d1 = cellDate(grafik.cell(1, i));
        const QDate d0 = i == 1 ? terms.dataVydachi : previousDate;

        long double i0 = PeriodInterest(rate0(), balance, d0, d1, terms.c360);
        long double i1 = PeriodInterest(rate1(), balance, d0, d1, terms.c360);
        // The deviation from the formula raises or lowers the first rate's interest only.
        i0 = add(i0, mul(deviation(), div(i0, 100.0L)));
        const QString correction = grafik.cell(6, i);
        if (!correction.isEmpty()) {
            const long double value = NumberText::StrToFloat(correction);
            i0 = add(i0, value);
            i1 = add(i1, value);
        }

        // The row after an early payment: an early-payment row pays the full-term annuity of
        // the remaining debt, a regular row in the same month as the early payment pays
        // interest only, any other regular row the annuity over the payments left.
        if (recalculate) {
            const QString number = grafik.cell(0, i);
            if (number.isEmpty()) {
                payment = mul(AnnuitetFactor(n, rate0()), balance);
            } else if (d1.month() == d0.month()) {
                payment = Okruglit(i0);
            } else {
                const int paymentNumber = NumberText::StrToInt(number);
                payment = mul(AnnuitetFactor(n - paymentNumber + 1, rate0()), balance);
            }
            recalculate = false;
        }

        // An early payment due on this row's date pays its listed sum, less the SMS share that
        // is added to every payment.
        const int early = earlyPayments.find(d1);
        if (early != 0 && d1 != d0) {
            payment = earlyPayments.sum(early);
            if (smsShare > 0)
                payment = sub(payment, smsShare);
            recalculate = true;
        }

        // The second rate applies from its row on, early-payment rows counted.
        bool secondRate = false;
        if (terms.srok1 != QStringLiteral("0")) {
            if (!secondRateRow)
                secondRateRow = NumberText::StrToInt(terms.srok1);
            secondRate = i >= *secondRateRow;
        }
        const long double interest = secondRate ? i1 : i0;
        long double principal = sub(payment, Okruglit(interest));

        if (i < lastRow) {
            if (payment == 0 && principal == 0 && i0 == 0 && i1 == 0) {
                principal = balance;
                payment = balance;
                balance = 0;
            } else {
                balance = sub(Okruglit(balance), Okruglit(principal));
            }
        } else {
            // The last row pays whatever debt is left, with its interest.
            payment = add(balance, interest);
            principal = sub(payment, interest);
            payment = add(Okruglit(principal), Okruglit(interest));
            balance = 0;
        }

        // Payment cell: the payment plus this row's insurance instalment, then the SMS share.
        long double paymentCell;
        const long double rowIndex = i;
        if (terms.strahYesNoKred && rowIndex < insuranceRows())
            paymentCell = Okruglit(add(div(insurance(), insuranceRows()), payment));
        else if (terms.strahYesNoKred && rowIndex == insuranceRows())
            paymentCell = Okruglit(add(remainder(), payment));
        else
            paymentCell = Okruglit(payment);
        // The payment cell is written, read back and rounded once more before the SMS share is
        // added. A kopeck amount below 10^12 is written with all its digits and reads back as
        // the same amount, so there the round trip through the text is left out.
        long double shownPayment = paymentCell;
        if (!(std::fabs(paymentCell) < 1e12L)) {
            grafik.setCell(2, i, NumberText::FloatToStr(paymentCell));
            shownPayment = Okruglit(NumberText::StrToFloat(grafik.cell(2, i)));
        }
        grafik.setCell(2, i, texts(add(shownPayment, smsShare)));

        const long double principalRounded = Okruglit(principal);
        const long double balanceRounded = Okruglit(balance);
        grafik.setCell(3, i, NumberText::FloatToStr(principalRounded));
        grafik.setCell(4, i, NumberText::FloatToStr(Okruglit(interest)));
        grafik.setCell(5, i, NumberText::FloatToStr(balanceRounded));

        // Add-on columns. The insurance column shows k + 0.01 on the first rows and a smaller
        // last instalment whenever the plain remainder would exceed k.
        const int columns = grafik.colCount();
        if (columns == 8 || columns == 9) {
            if (terms.strahYesNoKred) {
                grafik.setCell(7, 0, InsuranceHeader);
                if (rowIndex < insuranceRows()) {
                    const long double shown = remainder() > k() ? add(k(), 0.01L) : k();
                    grafik.setCell(7, i, texts(shown));
                } else if (rowIndex == insuranceRows()) {
                    const long double shown =
                        remainder() > k()
                            ? sub(insurance(), mul(sub(insuranceRows(), 1.0L), add(k(), 0.01L)))
                            : remainder();
                    grafik.setCell(7, i, texts(shown));
                }
            } else if (terms.smsYesNoKred) {
                grafik.setCell(7, 0, SmsHeader);
                grafik.setCell(7, i, texts(smsShare));
            }
            // The SMS column beside the insurance shows the plain share, without the lift to
            // the next kopeck. It exists only when the share is not 0.
            if (grafik.cell(7, 0) == InsuranceHeader && terms.smsYesNoKred && columns == 9) {
                grafik.setCell(8, 0, SmsHeader);
                grafik.setCell(8, i, texts(Okruglit(div(smsPrice(), static_cast<long double>(n)))));
            }
        }

        // What the next row reads back from this one's cells: Okruglit gives 0 or at least a
        // kopeck, whose text converts back to a number of the same sign.
        previousPrincipal = principalRounded;
        previousBalance = balanceRounded;
        previousDate = d1;
    }

    if (stopRow > 0)
        grafik.setRowCount(stopRow);

    // Every amount in two-decimal form, corrections and add-on columns included.
    for (int c = 2; c < grafik.colCount(); ++c)
        for (int r = 1; r < grafik.rowCount(); ++r)
            grafik.setCell(c, r, TwoDecimals(grafik.cell(c, r)));

    // Totals row.
    const int totalsRow = grafik.rowCount();
    grafik.setRowCount(totalsRow + 1);
    grafik.setCell(1, totalsRow, TotalsCaption);
    for (int c = 2; c < grafik.colCount(); ++c) {
        if (c == 5 || c == 6)
            continue;
        long double sum = 0;
        for (int r = 1; r < totalsRow; ++r) {
            const QString text = grafik.cell(c, r);
            if (c >= 7 && text.isEmpty())
                continue;
            sum = add(sum, NumberText::StrToFloat(text));
        }
        grafik.setCell(c, totalsRow, TwoDecimals(NumberText::FloatToStr(sum)));
    }
}

} // namespace Calc
