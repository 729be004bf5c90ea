#include "GrafikCalc.h"

#include "CalendarDay.h"

#include "CheckedMath.h"
#include "DateText.h"
#include "GridUpkeep.h"
#include "NumberText.h"
#include "RegionalSettings.h"
#include "ScheduleMath.h"
#include "StringGrid.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
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

// The 80 bits of an extended value: equal values with different bits are told apart.
struct ValueKey {
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    bool operator==(const ValueKey&) const = default;

    explicit ValueKey(long double value) {
        std::memcpy(&mantissa, &value, sizeof mantissa);
        std::memcpy(&exponent, reinterpret_cast<const char*>(&value) + sizeof mantissa,
                    sizeof exponent);
    }
};

// A whole number of kopecks as Okruglit gives it: cents * 0.01 in extended precision. Such a
// value lies within two units of the 19th significant digit of cents / 100, which has at most
// 14 digits below 10^12, so its 15-digit text is exactly the kopecks written out, and that text
// reads back as cents / 100.
bool asKopecks(long double value, long long& cents) {
    if (!(std::fabs(value) < 1e12L))
        return false;
    // Rounded in the processor's mode, without switching it as a cast would: in any mode the
    // whole number is the one the check below accepts, or the check fails.
    const long long nearest = std::llrint(value * 100.0L);
    if (static_cast<long double>(nearest) * 0.01L != value)
        return false;
    cents = nearest;
    return true;
}

// The text of a whole number of kopecks, as a number is written ("1234,5", "12") or in the
// two-decimal form of the schedule ("1234,50", "12,00"), written into the end of buf. Returns
// its first character.
constexpr size_t KopecksTextRoom = 32;
char16_t* writeKopecks(long long cents, bool twoDecimals, char16_t* end) {
    char16_t* p = end;
    unsigned long long rest = cents < 0 ? 0ULL - static_cast<unsigned long long>(cents)
                                        : static_cast<unsigned long long>(cents);
    const auto hundredths = static_cast<unsigned>(rest % 100);
    rest /= 100;
    if (twoDecimals || hundredths != 0) {
        const unsigned tenths = hundredths / 10;
        const unsigned last = hundredths % 10;
        if (twoDecimals || last != 0)
            *--p = static_cast<char16_t>(u'0' + last);
        *--p = static_cast<char16_t>(u'0' + tenths);
        *--p = Regional::DecimalSeparator.unicode();
    }
    p = NumberText::WriteDigits(rest, p);
    if (cents < 0)
        *--p = u'-';
    return p;
}

QString kopecksText(long long cents, bool twoDecimals) {
    char16_t buf[KopecksTextRoom];
    char16_t* end = buf + std::size(buf);
    const char16_t* p = writeKopecks(cents, twoDecimals, end);
    return QString(reinterpret_cast<const QChar*>(p), end - p);
}

// The amount cells (columns 2 to 8) of the rows computed so far. Writing a number out and
// then once more in two-decimal form is the costly part of a build, so the cells are written
// into the grid once, at the end, already in two-decimal form; the totals add the values
// those texts read as without reading them again. A value that is a whole number of kopecks
// is written by hand; any other goes through the general conversion. Columns whose rows
// repeat the same amount (payment, insurance, SMS) share one entry per distinct value.
// When the computation fails, the grid gets the cells as the computation wrote them: plain
// number texts, not yet in two-decimal form.
class AmountCells {
public:
    static constexpr int FirstColumn = 2;
    static constexpr int Columns = 7; // 2 to 8

    // A row gets about three distinct amounts (principal, interest, balance); the payment and
    // the add-on columns repeat theirs. Room for four per row keeps the entries from moving.
    explicit AmountCells(int rows)
        : m_rows(std::max(rows, 0))
        , m_cells(static_cast<size_t>(m_rows) * Columns, -1) {
        m_entries.reserve(static_cast<size_t>(m_rows) * 4 + 16);
    }

    // The cell gets the text of value. A cell of a repeating amount shares the entry of the
    // same column's previous cell when the value is the same.
    void put(int col, int row, long double value, bool repeats) {
        Recent& recent = m_recent[col - FirstColumn];
        const ValueKey key(value);
        if (!repeats || recent.entry < 0 || !(recent.key == key)) {
            recent.entry = static_cast<int>(m_entries.size());
            recent.key = key;
            m_entries.push_back(entryOf(value));
        }
        slot(col, row) = recent.entry;
    }

    // The cell gets a text written elsewhere.
    void putText(int col, int row, const QString& text) {
        slot(col, row) = static_cast<int>(m_entries.size());
        m_entries.push_back(textEntry(text));
    }

    // The cells as the computation wrote them.
    void writeAsComputed(StringGrid& grid) {
        forEachCell(grid, [this, &grid](int col, int row, Entry& e) {
            grid.setCell(col, row,
                         e.kopecks ? kopecksText(e.cents, false)
                                   : m_texts[static_cast<size_t>(e.text)].text);
        });
    }

    // The cells in their two-decimal form, written over the texts the previous schedule left
    // in them. Every other amount cell of the grid is emptied, except the corrections, which
    // are put into that form from their text.
    void writeTwoDecimals(StringGrid& grid) {
        char16_t buf[KopecksTextRoom];
        char16_t* const end = buf + std::size(buf);
        forEachCell(grid, [this, &grid, end](int col, int row, Entry& e) {
            if (e.kopecks) {
                const char16_t* p = writeKopecks(e.cents, true, end);
                grid.setCell(col, row, QStringView(p, end - p));
            } else {
                Text& t = m_texts[static_cast<size_t>(e.text)];
                if (!t.shownKnown) {
                    t.shown = TwoDecimals(t.text);
                    t.shownKnown = true;
                }
                grid.setCell(col, row, t.shown);
            }
        });
        for (int c = FirstColumn; c < grid.colCount(); ++c)
            for (int r = 1; r < grid.rowCount(); ++r)
                if (entryAt(c, r) == nullptr) {
                    const QString text = grid.cell(c, r);
                    if (text.isEmpty())
                        continue;
                    grid.setCell(c, r, c == CorrectionColumn ? TwoDecimals(text) : QString());
                }
    }

    // The value a cell's text reads as, as the totals add it; nothing for an empty cell that
    // the totals leave out.
    std::optional<long double> shownValue(const StringGrid& grid, int col, int row,
                                          bool skipEmpty) {
        Entry* e = entryAt(col, row);
        if (e != nullptr && e->valueKnown)
            return e->value;
        const QString text = grid.cell(col, row);
        if (skipEmpty && text.isEmpty())
            return std::nullopt;
        const long double value = NumberText::StrToFloat(text);
        if (e != nullptr) {
            e->value = value;
            e->valueKnown = true;
        }
        return value;
    }

private:
    // An amount: a whole number of kopecks, or a number text kept aside (rare: an amount that
    // did not round to kopecks).
    struct Entry {
        long double value = 0; // what the two-decimal text reads as
        long long cents = 0;
        int text = -1; // index of the text aside
        bool kopecks = false;
        bool valueKnown = false;
    };
    struct Text {
        QString text;
        QString shown; // its two-decimal form
        bool shownKnown = false;
    };

    Entry entryOf(long double value) {
        Entry e;
        e.kopecks = asKopecks(value, e.cents);
        if (e.kopecks) {
            // The text cents / 100 reads as that quotient, correctly rounded.
            const long double magnitude =
                static_cast<long double>(e.cents < 0 ? -e.cents : e.cents) / 100.0L;
            e.value = e.cents < 0 ? -magnitude : magnitude;
            e.valueKnown = true;
            return e;
        }
        return textEntry(NumberText::FloatToStr(value));
    }

    Entry textEntry(const QString& text) {
        Entry e;
        e.text = static_cast<int>(m_texts.size());
        m_texts.push_back(Text{text, QString(), false});
        return e;
    }

    int& slot(int col, int row) {
        return m_cells[static_cast<size_t>(row) * Columns + static_cast<size_t>(col - FirstColumn)];
    }

    Entry* entryAt(int col, int row) {
        if (col < FirstColumn || col >= FirstColumn + Columns || row < 0 || row >= m_rows)
            return nullptr;
        const int index = slot(col, row);
        return index < 0 ? nullptr : &m_entries[static_cast<size_t>(index)];
    }

    template <class F> void forEachCell(const StringGrid& grid, F write) {
        const int rows = std::min(m_rows, grid.rowCount());
        for (int r = 0; r < rows; ++r)
            for (int c = FirstColumn; c < FirstColumn + Columns; ++c)
                if (const int index = slot(c, r); index >= 0)
                    write(c, r, m_entries[static_cast<size_t>(index)]);
    }

    struct Recent {
        ValueKey key{0.0L};
        int entry = -1;
    };

    int m_rows;
    std::vector<int> m_cells; // entry of each cell, -1 for none
    std::vector<Entry> m_entries;
    std::vector<Text> m_texts;
    Recent m_recent[Columns]; // the last value put into each column
};

// A date as its calendar parts and its day number. The schedule compares dates, counts the
// days between them and splits periods by months; taking a QDate apart for every row costs
// more than the interest computed from it.
using Day = CalendarDay;

// A schedule date text, read as day.month.year; a text that is not a date fails.
Day cellDay(const QString& text) {
    int year = 0, month = 0, day = 0;
    if (DateText::ReadDateParts(text, year, month, day))
        if (const Day d = Day::ofParts(year, month, day); d.valid)
            return d;
    return Day::of(DateText::StrToDate(text)); // not a date: raises the conversion error
}

// The early payments of the table. GrafikDates makes one schedule row of every entry with a
// date, with the date text as typed, and keeps entries of the same text in table order; so the
// k-th early-payment row of a date text comes from the k-th entry of that text.
class EarlyPayments {
public:
    explicit EarlyPayments(const StringGrid& dosPlat)
        : m_grid(dosPlat) {}

    // The entry the next early-payment row with this date text was made from, or 0 when the
    // table has no such entry left.
    int entryFor(const QString& dateText) {
        if (!m_indexed) {
            for (int m = 1; m < m_grid.rowCount(); ++m) {
                const QString text = m_grid.cell(0, m);
                if (!text.isEmpty())
                    m_entries[text].rows.push_back(m);
            }
            m_indexed = true;
        }
        const auto found = m_entries.find(dateText);
        if (found == m_entries.end() || found->next >= found->rows.size())
            return 0;
        return found->rows[found->next++];
    }

    long double sum(int entry) const { return NumberText::StrToFloat(m_grid.cell(1, entry)); }

    // Whether the entry shortens the loan rather than lowering the payment. An empty choice, or
    // none in a table of two columns (records of older versions), lowers the payment.
    bool reducesTerm(int entry) const {
        return m_grid.cell(DosPlatReduceColumn, entry) == DosPlatReduceTerm();
    }

private:
    struct SameDate {
        std::vector<int> rows; // entries of one date text, in table order
        size_t next = 0;       // the first not yet taken by a schedule row
    };
    const StringGrid& m_grid;
    QHash<QString, SameDate> m_entries;
    bool m_indexed = false;
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

// Sets the add-on columns after the base columns, with the given headers. The columns a
// previous schedule had keep their cells, which the amounts are written over.
void setAddOnColumns(StringGrid& grid, const QStringList& headers) {
    grid.setColCount(BaseColumnCount + static_cast<int>(headers.size()));
    for (int c = 0; c < headers.size(); ++c)
        grid.setCell(BaseColumnCount + c, 0, headers[c]);
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

namespace {

// The interest of one period at an annual rate in percent, on calendar parts. A 360-day year
// counts the days between the dates. Otherwise a period within one month number (the years are
// not compared) counts its days at 366 only when both years are leap years; a period into the
// next month counts the rest of the first month at the first year's length and the days of the
// second at the second year's; a longer gap always counts as one February of the first year.
// Each product runs left to right.
long double periodInterest(long double rate, long double balance, const Day& d0, const Day& d1,
                           bool year360) {
    if (!d0.valid || !d1.valid)
        throw EConvertError(QStringLiteral("'' is not a valid date"));
    if (year360) {
        const auto days = static_cast<long double>(d1.julian - d0.julian);
        return mul(mul(div(div(rate, 100.0L), 360.0L), balance), days);
    }
    const auto yearDays = [](int year) {
        return isLeapYear(year) ? 366.0L : 365.0L;
    };
    if (d1.month == d0.month) {
        const long double length = isLeapYear(d0.year) && isLeapYear(d1.year) ? 366.0L : 365.0L;
        const long double days = d1.day - d0.day;
        return mul(mul(div(div(rate, 100.0L), length), balance), days);
    }
    const long double restOfMonth = daysInMonth(d0.year, d0.month) - d0.day;
    const long double first =
        mul(mul(div(div(rate, 100.0L), yearDays(d0.year)), balance), restOfMonth);
    long double secondDays = d1.day;
    const bool nextMonth = d1.month == d0.month + 1 || (d0.month == 12 && d1.month == 1);
    if (!nextMonth)
        secondDays = (isLeapYear(d0.year) ? 29 : 28) + d1.day;
    const long double second =
        mul(mul(div(div(rate, 100.0L), yearDays(d1.year)), balance), secondDays);
    return add(first, second);
}

} // namespace

long double PeriodInterest(long double rate, long double balance, QDate d0, QDate d1,
                           bool year360) {
    return periodInterest(rate, balance, Day::of(d0), Day::of(d1), year360);
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
    const int lastRow = grafik.rowCount() - 1; // R
    // The amounts computed, written into the grid once the computation is through.
    AmountCells amounts(lastRow + 1);
    bool addOnColumnsSet = false;
    const auto addOnColumns = [&grafik, &addOnColumnsSet](const QStringList& headers) {
        setAddOnColumns(grafik, headers);
        addOnColumnsSet = true;
    };
    try {
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
        // Both are set at once; when the SMS share cannot be computed, the insurance column is
        // still there.
        QStringList addOnHeaders;
        if (!terms.strahYesVKred && insurance() != 0)
            addOnHeaders << InsuranceHeader;
        long double smsShare = 0;
        try {
            smsShare = SmsShare(terms);
        } catch (...) {
            addOnColumns(addOnHeaders);
            throw;
        }
        if (!terms.smsYesVKred && smsShare != 0)
            addOnHeaders << SmsHeaderNew;
        addOnColumns(addOnHeaders);
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
        const Day issue = Day::of(terms.dataVydachi);
        const bool hasSecondRate = terms.srok1 != QStringLiteral("0");
        bool recalculate = false;
        bool termReduced = false;          // an early repayment has shortened the loan
        long double previousPrincipal = 0; // value of cell (3, i - 1)
        long double previousBalance = 0;   // value of cell (5, i - 1)
        Day previousDate;                  // date of cell (1, i - 1)
        int stopRow = -1;

        for (int i = 1; i <= lastRow; ++i) {
            // After a row that paid interest only, the payment is the annuity of the remaining
            // debt over the payments still to come (an interest-free loan spreads the debt
            // evenly over them). After the last regular payment none is left: the debt falls
            // due at once.
            if (i > 1 && previousPrincipal == 0 && previousBalance > 0) {
                const int remaining = n - paymentNumberAtOrAbove(grafik, i - 1);
                if (remaining <= 0)
                    payment = balance;
                else if (rate0() != 0)
                    payment = Okruglit(mul(AnnuitetFactor(remaining, rate0()), balance));
                else
                    payment = div(balance, static_cast<long double>(remaining));
            }
            // Paid off: this row and all below it are dropped.
            if (balance <= 0) {
                stopRow = i;
                break;
            }

            const Day d1 = cellDay(grafik.cell(1, i));
            const Day& d0 = i == 1 ? issue : previousDate;

            long double i0 = periodInterest(rate0(), balance, d0, d1, terms.c360);
            long double i1 = periodInterest(rate1(), balance, d0, d1, terms.c360);
            // The deviation from the formula raises or lowers the first rate's interest only.
            i0 = add(i0, mul(deviation(), div(i0, 100.0L)));
            const QString correction = grafik.cell(6, i);
            if (!correction.isEmpty()) {
                const long double value = NumberText::StrToFloat(correction);
                i0 = add(i0, value);
                i1 = add(i1, value);
            }

            const QString number = grafik.cell(0, i);
            const bool earlyRow = number.isEmpty();
            // An early repayment that shortens the loan changes nothing but the debt: the
            // payment in force and the recalculation due stay as they were before its row.
            const long double paymentInForce = payment;
            const bool recalculationDue = recalculate;
            bool keepsPayment = false;

            // The row after an early payment: a regular row in the same month as the early
            // payment pays interest only, any other regular row the annuity over the payments
            // left. (An early-payment row pays its own sum below; one that no entry of the
            // table made pays the full-term annuity of the remaining debt.)
            if (recalculate) {
                if (earlyRow) {
                    payment = mul(AnnuitetFactor(n, rate0()), balance);
                } else if (d1.month == d0.month) {
                    payment = Okruglit(i0);
                } else {
                    const int paymentNumber = NumberText::StrToInt(number);
                    payment = mul(AnnuitetFactor(n - paymentNumber + 1, rate0()), balance);
                }
                recalculate = false;
            }

            // An early-payment row pays the sum of its entry, less the SMS share that is added
            // to every payment; a regular row never takes an early payment's sum.
            if (const int early = earlyRow ? earlyPayments.entryFor(grafik.cell(1, i)) : 0) {
                payment = earlyPayments.sum(early);
                if (smsShare > 0)
                    payment = sub(payment, smsShare);
                recalculate = true;
                keepsPayment = earlyPayments.reducesTerm(early);
            }

            // The second rate applies from its row on, early-payment rows counted.
            bool secondRate = false;
            if (hasSecondRate) {
                if (!secondRateRow)
                    secondRateRow = NumberText::StrToInt(terms.srok1);
                secondRate = i >= *secondRateRow;
            }
            const long double interest = secondRate ? i1 : i0;
            long double principal = sub(payment, Okruglit(interest));

            // The last row pays whatever debt is left, with its interest. So does a regular
            // payment that covers all that is left, once an early repayment has shortened the
            // loan, and the last regular payment always: the rows below (early payments dated
            // after it) then find nothing to repay and are dropped.
            const bool settles =
                i == lastRow || (!earlyRow && payment >= add(balance, interest) &&
                                 (termReduced || NumberText::StrToInt(number) == n));
            if (!settles) {
                if (earlyRow && payment == 0 && principal == 0 && i0 == 0 && i1 == 0) {
                    // An early payment of nothing at no interest pays the whole rest.
                    principal = balance;
                    payment = balance;
                    balance = 0;
                } else {
                    balance = sub(Okruglit(balance), Okruglit(principal));
                }
            } else {
                payment = add(balance, interest);
                principal = sub(payment, interest);
                payment = add(Okruglit(principal), Okruglit(interest));
                balance = 0;
            }

            // Payment cell: the payment plus this row's insurance instalment, then the SMS
            // share.
            long double paymentCell;
            const long double rowIndex = i;
            if (terms.strahYesNoKred && rowIndex < insuranceRows())
                paymentCell = Okruglit(add(div(insurance(), insuranceRows()), payment));
            else if (terms.strahYesNoKred && rowIndex == insuranceRows())
                paymentCell = Okruglit(add(remainder(), payment));
            else
                paymentCell = Okruglit(payment);
            // The payment cell is written, read back and rounded once more before the SMS share
            // is added. A kopeck amount below 10^12 is written with all its digits and reads
            // back as the same amount, so there the round trip through the text is left out.
            long double shownPayment = paymentCell;
            if (!(std::fabs(paymentCell) < 1e12L)) {
                const QString written = NumberText::FloatToStr(paymentCell);
                amounts.putText(2, i, written);
                shownPayment = Okruglit(NumberText::StrToFloat(written));
            }
            amounts.put(2, i, add(shownPayment, smsShare), true);

            const long double principalRounded = Okruglit(principal);
            const long double balanceRounded = Okruglit(balance);
            amounts.put(3, i, principalRounded, false);
            amounts.put(4, i, Okruglit(interest), false);
            amounts.put(5, i, balanceRounded, false);

            // Add-on columns. The insurance column shows k + 0.01 on the first rows and a
            // smaller last instalment whenever the plain remainder would exceed k.
            const int columns = grafik.colCount();
            if (columns == 8 || columns == 9) {
                if (terms.strahYesNoKred) {
                    grafik.setCell(7, 0, InsuranceHeader);
                    if (rowIndex < insuranceRows()) {
                        const long double shown = remainder() > k() ? add(k(), 0.01L) : k();
                        amounts.put(7, i, shown, true);
                    } else if (rowIndex == insuranceRows()) {
                        const long double shown =
                            remainder() > k()
                                ? sub(insurance(), mul(sub(insuranceRows(), 1.0L), add(k(), 0.01L)))
                                : remainder();
                        amounts.put(7, i, shown, true);
                    }
                } else if (terms.smsYesNoKred) {
                    grafik.setCell(7, 0, SmsHeader);
                    amounts.put(7, i, smsShare, true);
                }
                // The SMS column beside the insurance shows the plain share, without the lift
                // to the next kopeck. It exists only when the share is not 0.
                if (terms.smsYesNoKred && columns == 9 && grafik.cell(7, 0) == InsuranceHeader) {
                    grafik.setCell(8, 0, SmsHeader);
                    amounts.put(8, i, Okruglit(div(smsPrice(), static_cast<long double>(n))), true);
                }
            }

            // What the next row reads back from this one's cells: Okruglit gives 0 or at least
            // a kopeck, whose text converts back to a number of the same sign.
            previousPrincipal = principalRounded;
            previousBalance = balanceRounded;
            previousDate = d1;
            if (keepsPayment) {
                payment = paymentInForce;
                recalculate = recalculationDue;
                termReduced = true;
            }
        }
        if (stopRow > 0)
            grafik.setRowCount(stopRow);
    } catch (...) {
        // The previous schedule's add-on columns and amounts go; the rows computed keep what
        // they got.
        if (!addOnColumnsSet)
            grafik.setColCount(BaseColumnCount);
        GrafikClearCells(grafik);
        amounts.writeAsComputed(grafik);
        throw;
    }

    // Every amount in two-decimal form, corrections and add-on columns included.
    amounts.writeTwoDecimals(grafik);

    // Totals row.
    const int totalsRow = grafik.rowCount();
    grafik.setRowCount(totalsRow + 1);
    grafik.setCell(1, totalsRow, TotalsCaption());
    for (int c = 2; c < grafik.colCount(); ++c) {
        if (c == 5 || c == 6)
            continue;
        long double sum = 0;
        for (int r = 1; r < totalsRow; ++r)
            if (const auto value = amounts.shownValue(grafik, c, r, c >= 7))
                sum = add(sum, *value);
        grafik.setCell(c, totalsRow, TwoDecimals(NumberText::FloatToStr(sum)));
    }
}

} // namespace Calc
