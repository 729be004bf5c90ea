#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

class StringGrid;

// The record file: one saved loan, one coded line (see LineCoder.h) per plain line. A plain
// line is its value followed by its key, the line's zero-based position in the file in four
// digits ("0000" .. "9999"); the keys run on without a gap, sections included, so a file holds
// at most 10,000 lines.
//
// The current layout (the only one written):
//   0000 program version          0001 save date            0002-0007 filler
//   0008-0021 loan fields          0022-0029 filler          0030-0036 periodicity fields
//   0037-0049 filler               0050-0059 add-on fields   0060-0069 filler
//   0070-0071 status texts         0072-0075 grid sizes      0076-0079 filler
//   0080 "DosPlat", the early-payments cells, "Grafik", the schedule cells to the file's end.
// The older layout (still read) packs the fields into lines 0000-0036 and has its "DosPlat"
// marker at line 0037. Which line holds which loan field in each layout is the table
// LoanFields below; the other lines are listed in RecordFormat.cpp.
namespace Storage {

inline constexpr int MaxRecordLines = 10000;

enum class RecordLayout { Older, Current };

// How a loan field's value is written.
enum class FieldForm {
    Text,   // the control's text unchanged
    Date,   // the date in the short date format (dd.MM.yyyy)
    Choice, // the text of the selected list item, empty when none is selected
    Flag,   // "True" when checked, otherwise "False"
};

// The window's loan fields, in the order of the current layout.
enum class Field {
    EName,
    EDataVydachi,
    ECreditor,
    EVidCred,
    ETip,
    ESummCred,
    EProcent0,
    ESrok0,
    EProcentRiska0,
    EDataPlateja,
    EProcent1,
    ESrok1,
    SMemo,
    EPere,
    CSubb,
    CVosk,
    CPraz,
    R_30,
    R_31,
    C360,
    StrahNo,
    StrahYesVKred,
    StrahYesNoKred,
    StrahSumm,
    StrahCol,
    SMSNo,
    SMSYesVKred,
    SMSYesNoKred,
    SMSSumm,
    DopSumm,
};
inline constexpr int FieldCount = static_cast<int>(Field::DopSumm) + 1;

// One loan field: the control that shows it (its objectName), its line in each layout, the
// form of its value and the value clearing the form gives it.
struct LoanField {
    Field field;
    QStringView control;
    int currentLine;
    int olderLine; // -1: the older layout has no line for it
    FieldForm form;
    // Clearing the form puts this value into the control, as loading a record would (a flag
    // "True"/"False", a list item's text); a date field's empty cleared value stands for
    // today, a choice field's for no item selected.
    bool cleared;
    QStringView clearedValue;
};

// Every loan field. Clearing, saving and loading go through the fields in this order: radio
// buttons come before their amounts (a radio button's reaction writes the amounts) and
// Saturdays before Sundays (ticking Saturdays ticks Sundays too).
inline constexpr std::array<LoanField, FieldCount> LoanFields = {{
    {Field::EName, u"EName", 8, 0, FieldForm::Text, false, u""},
    {Field::EDataVydachi, u"EDataVydachi", 10, 1, FieldForm::Date, true, u""},
    {Field::ECreditor, u"ECreditor", 11, 2, FieldForm::Choice, true, u""},
    {Field::EVidCred, u"EVidCred", 12, 3, FieldForm::Choice, true, u"Потребительский"},
    {Field::ETip, u"ETip", 13, 4, FieldForm::Choice, true, u"Аннуитетный платеж"},
    {Field::ESummCred, u"ESummCred", 14, 5, FieldForm::Text, true, u""},
    {Field::EProcent0, u"EProcent0", 15, 7, FieldForm::Text, true, u"0,00"},
    {Field::ESrok0, u"ESrok0", 16, 6, FieldForm::Text, true, u""},
    {Field::EProcentRiska0, u"EProcentRiska0", 17, 27, FieldForm::Text, true, u""},
    {Field::EDataPlateja, u"EDataPlateja", 18, -1, FieldForm::Date, true, u""},
    {Field::EProcent1, u"EProcent1", 19, -1, FieldForm::Text, true, u""},
    {Field::ESrok1, u"ESrok1", 20, -1, FieldForm::Text, true, u""},
    {Field::SMemo, u"SMemo", 21, 32, FieldForm::Text, true, u""},
    {Field::EPere, u"EPere", 30, 8, FieldForm::Choice, true, u"Ежемесячно"},
    {Field::CSubb, u"CSubb", 31, 9, FieldForm::Flag, true, u"False"},
    {Field::CVosk, u"CVosk", 32, 10, FieldForm::Flag, true, u"False"},
    {Field::CPraz, u"CPraz", 33, 11, FieldForm::Flag, true, u"False"},
    {Field::R_30, u"R_30", 34, 12, FieldForm::Flag, true, u"False"},
    {Field::R_31, u"R_31", 35, 13, FieldForm::Flag, true, u"False"},
    {Field::C360, u"C360", 36, 14, FieldForm::Flag, true, u"False"},
    {Field::StrahNo, u"StrahNo", 50, 15, FieldForm::Flag, true, u"True"},
    {Field::StrahYesVKred, u"StrahYesVKred", 51, 16, FieldForm::Flag, false, u""},
    {Field::StrahYesNoKred, u"StrahYesNoKred", 52, 17, FieldForm::Flag, false, u""},
    {Field::StrahSumm, u"StrahSumm", 53, 18, FieldForm::Text, true, u"0"},
    {Field::StrahCol, u"StrahCol", 54, 19, FieldForm::Text, true, u"0"},
    {Field::SMSNo, u"SMSNo", 55, 20, FieldForm::Flag, true, u"True"},
    {Field::SMSYesVKred, u"SMSYesVKred", 56, 21, FieldForm::Flag, false, u""},
    {Field::SMSYesNoKred, u"SMSYesNoKred", 57, 22, FieldForm::Flag, false, u""},
    {Field::SMSSumm, u"SMSSumm", 58, 23, FieldForm::Text, true, u"0"},
    {Field::DopSumm, u"DopSumm", 59, 26, FieldForm::Text, true, u""},
}};

constexpr const LoanField& loanField(Field field) {
    return LoanFields[static_cast<size_t>(field)];
}

// The line of a loan field in a layout, -1 when the layout has none.
constexpr int FieldLine(Field field, RecordLayout layout) {
    return layout == RecordLayout::Current ? loanField(field).currentLine
                                           : loanField(field).olderLine;
}

// What one line of a layout's fixed part holds.
enum class LineKind {
    Version,     // the program version (current layout, key not checked when loading)
    Reserved,    // the save date when written; only its key is checked when reading
    Filler,      // a random number, only its key checked
    Ignored,     // older layout: not interpreted, its key not checked
    Page,        // the identifier of the page shown ("TSCredit")
    LoanField,   // the loan field LayoutLine::field
    Status0,     // text of status panel 0 (total debt)
    Status1,     // text of status panel 1 (overpayment)
    DosPlatCols, // column count of the early-payments grid
    DosPlatRows, // its row count
    GrafikCols,  // column count of the schedule grid
    GrafikRows,  // its row count
    Marker,      // "DosPlat": the early-payments section follows
};

struct LayoutLine {
    LineKind kind = LineKind::Filler;
    Field field = Field::EName; // for LineKind::LoanField
};

// The fixed part of each layout, lines 0 to its "DosPlat" marker (80 current, 37 older).
const std::vector<LayoutLine>& LayoutLines(RecordLayout layout);
// The line of the "DosPlat" marker: 80 in the current layout, 37 in the older one.
int MarkerLine(RecordLayout layout);
// The line that holds a kind of line (the first one, for fillers), -1 when the layout has none.
int LineOf(LineKind kind, RecordLayout layout);

inline const QString DosPlatMarker = QStringLiteral("DosPlat");
inline const QString GrafikMarker = QStringLiteral("Grafik");
inline const QString CurrentPageId = QStringLiteral("TSCredit");

// A grid as saved: its size and its cells row by row, each row column by column from (0, 0),
// fixed header row and columns included.
struct GridRecord {
    int colCount = 0;
    int rowCount = 0;
    std::vector<QString> cells;

    const QString& cell(int col, int row) const {
        return cells[static_cast<size_t>(row) * static_cast<size_t>(colCount) +
                     static_cast<size_t>(col)];
    }
    bool operator==(const GridRecord&) const = default;

    static GridRecord of(const StringGrid& grid);
};

// One saved loan as plain values: what the window shows of it.
struct Record {
    QString version; // the program version that wrote it
    QString pageId = CurrentPageId;
    // Each loan field's value in its form (see FieldForm), indexed by Field.
    std::array<QString, FieldCount> fields;
    QString status0;
    QString status1;
    GridRecord dosPlat;
    GridRecord grafik;

    QString& operator[](Field field) { return fields[static_cast<size_t>(field)]; }
    const QString& operator[](Field field) const { return fields[static_cast<size_t>(field)]; }
    bool operator==(const Record&) const = default;
};

// Flag values.
inline const QString FlagTrue = QStringLiteral("True");
inline const QString FlagFalse = QStringLiteral("False");

// The plain line of a value: the value followed by the key n in four digits.
QString PlainLine(QStringView value, int n);
// The value of a plain line: the line without its last four characters.
QStringView LineValue(QStringView plain);
// Whether the plain line ends exactly in the key n in four digits.
bool HasOwnKey(QStringView plain, int n);

} // namespace Storage
