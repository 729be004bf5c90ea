#pragma once

#include <QDate>
#include <QString>

namespace Calc {

// The loan fields a schedule build reads, as the window holds them: numbers stay texts and are
// converted where the calculation uses them, so a text that is not a number fails at that
// point and not before.
struct LoanTerms {
    QString summCred;      // ESummCred: loan amount
    QString srok0;         // ESrok0: number of payments
    QString procent0;      // EProcent0: annual rate, percent
    QString procentRiska0; // EProcentRiska0: deviation from the formula, percent
    QString procent1;      // EProcent1: second annual rate, percent
    QString srok1;         // ESrok1: row from which the second rate applies; "0" for none
    QDate dataVydachi;     // EDataVydachi: issue date
    QDate dataPlateja;     // EDataPlateja: first payment date, anchor of monthly dates

    bool r30 = false;   // R_30: every 30 days
    bool r31 = false;   // R_31: every 31 days
    bool cPraz = false; // CPraz: move payments off holidays
    bool cSubb = false; // CSubb: move payments off Saturdays
    bool cVosk = false; // CVosk: move payments off Sundays
    bool c360 = false;  // C360: a year of 360 days

    bool strahYesVKred = false;              // StrahYesVKred: insurance included in the loan
    bool strahYesNoKred = false;             // StrahYesNoKred: insurance paid on top of the loan
    QString strahSumm = QStringLiteral("0"); // StrahSumm: insurance premium
    QString strahCol = QStringLiteral("0");  // StrahCol: rows the premium is spread over

    bool smsYesVKred = false;              // SMSYesVKred: SMS package included in the loan
    bool smsYesNoKred = false;             // SMSYesNoKred: SMS package paid on top of the loan
    QString smsSumm = QStringLiteral("0"); // SMSSumm: price of the whole package
};

} // namespace Calc

namespace Calc {

// The longest schedule a build makes: 83 years of monthly payments. A record file holds no
// longer schedule, and a longer one would only exhaust the memory.
constexpr int MaxPaymentCount = 1000;

// Whether the text of ESrok0 is a whole number (digits only, leading zeros allowed) above
// MaxPaymentCount, however many digits it has. Other texts are left to PaymentCount.
bool PaymentCountAboveLimit(const QString& srok0);

// The number of payments n of ESrok0. A text that is not a whole number, a negative count or
// one too large to number the rows of a grid raises EConvertError.
int PaymentCount(const LoanTerms& terms);

} // namespace Calc
