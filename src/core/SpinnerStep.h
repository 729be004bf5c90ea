#pragma once

#include <QString>

// Arithmetic of the rate spinners. Each spinner adds or subtracts its place value (10, 1, 0.1,
// 0.01, 0.001 or 0.0001) to the number in its rate field and writes the result back in the
// shortest general form, whose 15 significant digits hide the rounding error of repeated steps
// (0,1 stepped up twice by 0,1 reads 0,3).
namespace SpinnerStep {

enum class Direction { Up, Down };

// How far down a field may be stepped.
enum class LowerBound {
    AboveStep, // the two interest rates: down only while the value is greater than the step,
               // so a rate never reaches zero or below
    None,      // the deviation from the formula may go negative
};

// The field's new text after one click. A text that is not a number, the empty one included,
// raises EConvertError; a text the bound keeps is returned unchanged.
QString Step(const QString& text, long double step, Direction direction, LowerBound bound);

// The main fields of a loan are filled in, so a spinner click rebuilds the schedule at once:
// lender, payment type, amount and number of payments non-empty, and a first rate that is
// neither empty nor the untouched "0.00".
bool RebuildWanted(const QString& creditor, const QString& tip, const QString& summCred,
                   const QString& srok0, const QString& procent0);

} // namespace SpinnerStep
