#include "LoanFieldControls.h"

#include "ControlHelpers.h"
#include "DateText.h"
#include "TForm1.h"

#include <QRegularExpression>

using Storage::Field;
using Storage::FieldForm;
using Storage::loanField;

namespace {

// A record holds the note's line breaks as CR LF; a note read from a record may have them as
// CR LF, LF or CR.
const QRegularExpression& lineBreaks() {
    static const QRegularExpression re(QStringLiteral("\r\n|\n|\r"));
    return re;
}

void selectItem(QComboBox* box, const QString& text, bool noneWhenMissing) {
    const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0 || noneWhenMissing)
        box->setCurrentIndex(i);
}

// Shows a field's value in its control.
void setValue(QWidget* control, FieldForm form, const QString& value) {
    switch (form) {
    case FieldForm::Text:
        if (auto* memo = qobject_cast<TMemo*>(control))
            memo->setLines(value.split(lineBreaks()));
        else
            static_cast<QLineEdit*>(control)->setText(value);
        break;
    case FieldForm::Date:
        static_cast<QDateEdit*>(control)->setDate(DateText::StrToDate(value));
        break;
    case FieldForm::Choice:
        selectItem(static_cast<QComboBox*>(control), value, false);
        break;
    case FieldForm::Flag:
        SetChecked(static_cast<QAbstractButton*>(control), value == Storage::FlagTrue);
        break;
    }
}

} // namespace

QWidget* LoanFieldControl(const TForm1& form, Field field) {
    const QString name = loanField(field).control.toString();
    QWidget* control = form.findChild<QWidget*>(name);
    Q_ASSERT_X(control, "LoanFieldControl", qPrintable(name));
    return control;
}

QString LoanFieldValue(const TForm1& form, Field field) {
    QWidget* control = LoanFieldControl(form, field);
    switch (loanField(field).form) {
    case FieldForm::Text:
        if (auto* memo = qobject_cast<TMemo*>(control))
            return memo->lines().join(QStringLiteral("\r\n"));
        return static_cast<QLineEdit*>(control)->text();
    case FieldForm::Date:
        return DateText::DateToStr(static_cast<QDateEdit*>(control)->date());
    case FieldForm::Choice: {
        auto* box = static_cast<QComboBox*>(control);
        return box->currentIndex() < 0 ? QString() : box->currentText();
    }
    case FieldForm::Flag:
        return static_cast<QAbstractButton*>(control)->isChecked() ? Storage::FlagTrue
                                                                   : Storage::FlagFalse;
    }
    return {};
}

void SetLoanFieldValue(TForm1& form, Field field, const QString& value) {
    setValue(LoanFieldControl(form, field), loanField(field).form, value);
}

void ClearLoanField(TForm1& form, Field field) {
    const Storage::LoanField& f = loanField(field);
    if (!f.cleared)
        return;
    const QString value = f.clearedValue.toString();
    QWidget* control = LoanFieldControl(form, field);
    switch (f.form) {
    case FieldForm::Date:
        static_cast<QDateEdit*>(control)->setDate(QDate::currentDate());
        break;
    case FieldForm::Choice:
        selectItem(static_cast<QComboBox*>(control), value, true);
        break;
    case FieldForm::Text:
    case FieldForm::Flag:
        setValue(control, f.form, value);
        break;
    }
}

Storage::Record WindowRecord(const TForm1& form) {
    Storage::Record record;
    record.version = form.ProgVersion;
    if (const QWidget* page = form.PCCredaIVklada->currentWidget())
        record.pageId = page->objectName();
    for (const Storage::LoanField& f : Storage::LoanFields)
        record[f.field] = LoanFieldValue(form, f.field);
    record.status0 = form.Status->panelText(0);
    record.status1 = form.Status->panelText(1);
    record.dosPlat = Storage::GridRecord::of(form.DosPlat->grid());
    record.grafik = Storage::GridRecord::of(form.Grafik->grid());
    return record;
}
