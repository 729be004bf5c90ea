#pragma once

#include "RecordFormat.h"

class TForm1;
class QWidget;

// The window's side of the table of loan fields (Storage::LoanFields): each field's control,
// found by its objectName, and how a value in the field's form goes into it and out of it.
// Clearing, saving and loading all go through these, so the fields are listed only once.

// The control that shows a loan field.
QWidget* LoanFieldControl(const TForm1& form, Storage::Field field);

// A field's value as a record holds it: the text (the note with CR LF between its lines), the
// date in the short date format, the selected item's text (empty when none), "True"/"False".
QString LoanFieldValue(const TForm1& form, Storage::Field field);

// Puts a record's value into the field's control as loading does: a text is assigned; a date
// is parsed in the short date format (EConvertError when it is none); a choice selects the
// first item of that text and leaves the selection alone when no item has it; a flag checks
// the control for "True" and unchecks it otherwise, running its click reaction as a click
// would when a check box changes or a radio button becomes checked.
void SetLoanFieldValue(TForm1& form, Storage::Field field, const QString& value);

// Puts the field's cleared value into its control (fields that clearing leaves alone, such as
// the name, are not touched): a date becomes today, a choice without a cleared item loses its
// selection.
void ClearLoanField(TForm1& form, Storage::Field field);

// The loan shown in the window as a record: version, page, fields, status texts, both grids.
Storage::Record WindowRecord(const TForm1& form);
