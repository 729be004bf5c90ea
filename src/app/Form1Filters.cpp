// Input filters of the number fields and the rate spinners of the main window.
#include "TForm1.h"

#include "KeyFilters.h"
#include "SpinnerStep.h"

#include <QApplication>

#include <initializer_list>

namespace {

// The state a key filter judges: the text and the caret, or the start of the selection when
// text is selected (the selection itself does not count).
KeyFilters::Field fieldOf(const QLineEdit* edit) {
    if (!edit)
        return {};
    const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return {edit->text(), caret};
}

// The field a key goes to: the one it was typed into, else the one that has the focus.
TEdit* fieldAmong(QObject* sender, std::initializer_list<TEdit*> fields) {
    for (TEdit* field : fields)
        if (field && sender == field)
            return field;
    const QWidget* focused = QApplication::focusWidget();
    for (TEdit* field : fields)
        if (field && focused == field)
            return field;
    return nullptr;
}

// One spinner click on a rate field; see UDProcent0_10_0000Click.
void spin(TForm1& form, QObject* sender, TEdit* field, long double step, UpDownDirection direction,
          SpinnerStep::LowerBound bound) {
    const auto dir = direction == UpDownDirection::Up ? SpinnerStep::Direction::Up
                                                      : SpinnerStep::Direction::Down;
    // A text that is no number fails here, before anything changed.
    field->setText(SpinnerStep::Step(field->text(), step, dir, bound));
    if (SpinnerStep::RebuildWanted(form.ECreditor->currentText(), form.ETip->currentText(),
                                   form.ESummCred->text(), form.ESrok0->text(),
                                   form.EProcent0->text()))
        form.BBGrafClick(sender);
}

constexpr auto Rate = SpinnerStep::LowerBound::AboveStep;
constexpr auto Deviation = SpinnerStep::LowerBound::None;

} // namespace

// Counts: ESrok0, ESrok1, StrahCol.
void TForm1::SrokKeyPress(QObject* /*sender*/, QChar& key) {
    key = KeyFilters::SrokKey(key);
}

// Rates and the deviation: EProcent0, EProcent1, EProcentRiska0.
void TForm1::EProcentRiska0KeyPress(QObject* sender, QChar& key) {
    const TEdit* field = fieldAmong(sender, {EProcent0, EProcent1, EProcentRiska0});
    key = KeyFilters::ProcentKey(fieldOf(field), key);
}

// Amounts: ESummCred, StrahSumm, SMSSumm, DopSumm and the cell editors of Grafik and DosPlat.
void TForm1::SummKeyPress(QObject* sender, QChar& key) {
    using KeyFilters::SummEditor;
    TEdit* grafikEditor = Grafik->inplaceEditor();
    TEdit* dosPlatEditor = DosPlat->inplaceEditor();
    const auto isSource = [&](const QObject* o) {
        return o && (o == ESummCred || o == StrahSumm || o == SMSSumm || o == DopSumm ||
                     o == Grafik || o == DosPlat || o == grafikEditor || o == dosPlatEditor);
    };
    // The control the key was typed into, else the one that has the focus.
    const QObject* source = isSource(sender) ? sender : QApplication::focusWidget();

    SummEditor editor = SummEditor::None;
    KeyFilters::Field field;
    if (source == ESummCred || source == StrahSumm || source == SMSSumm || source == DopSumm) {
        editor = SummEditor::EditBox;
        field = fieldOf(static_cast<const TEdit*>(source));
    } else if (grafikEditor && (source == Grafik || source == grafikEditor)) {
        editor = SummEditor::GrafikCell;
        field = fieldOf(grafikEditor);
    } else if (dosPlatEditor && (source == DosPlat || source == dosPlatEditor)) {
        // Early payment dates are typed into column 0.
        editor = DosPlat->col() == 0 ? SummEditor::DosPlatDate : SummEditor::DosPlatCell;
        field = fieldOf(dosPlatEditor);
    }
    key = KeyFilters::SummKey(editor, field, key);

    // Enter in an interest correction cell applies the correction at once; the cell stays
    // current so that the next correction can follow.
    if (key == KeyFilters::Enter && editor == SummEditor::GrafikCell) {
        const int col = Grafik->col();
        const int row = Grafik->row();
        if (KeyFilters::GrafikEnter(Grafik->grid().cell(col, row)) ==
            KeyFilters::GrafikEnterAction::EmptyCell) {
            // The editor is emptied too, so that closing it keeps the cell empty.
            grafikEditor->clear();
            Grafik->grid().setCell(col, row, QString());
        } else {
            BBGrafClick(sender);
        }
        Grafik->setRow(row);
        Grafik->setCol(col);
        // The editor closes on Enter by itself; the key goes no further, so that the grid
        // does not take it for a second Enter of its own (which would open the editor again).
        key = QChar();
    }
}

// The note takes every key.
void TForm1::SMemoKeyPress(QObject* /*sender*/, QChar& key) {
    key = KeyFilters::SMemoKey(key);
}

// The rate spinners: each adds or subtracts its place value; the two rates cannot be stepped
// to zero or below, the deviation can. When the loan's main fields are filled in, every click
// rebuilds the schedule, so that the rates can be tuned against the lender's schedule.
void TForm1::UDProcent0_10_0000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent0, 10.0L, direction, Rate);
}
void TForm1::UDProcent0_01_0000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent0, 1.0L, direction, Rate);
}
void TForm1::UDProcent0_00_1000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent0, 0.1L, direction, Rate);
}
void TForm1::UDProcent0_00_0100Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent0, 0.01L, direction, Rate);
}
void TForm1::UDProcent0_00_0010Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent0, 0.001L, direction, Rate);
}
void TForm1::UDProcent0_00_0001Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent0, 0.0001L, direction, Rate);
}
void TForm1::UDProcentRiska0_10_0000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcentRiska0, 10.0L, direction, Deviation);
}
void TForm1::UDProcentRiska0_01_0000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcentRiska0, 1.0L, direction, Deviation);
}
void TForm1::UDProcentRiska0_00_1000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcentRiska0, 0.1L, direction, Deviation);
}
void TForm1::UDProcentRiska0_00_0100Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcentRiska0, 0.01L, direction, Deviation);
}
void TForm1::UDProcentRiska0_00_0010Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcentRiska0, 0.001L, direction, Deviation);
}
void TForm1::UDProcentRiska0_00_0001Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcentRiska0, 0.0001L, direction, Deviation);
}
void TForm1::UDProcent1_10_0000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent1, 10.0L, direction, Rate);
}
void TForm1::UDProcent1_01_0000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent1, 1.0L, direction, Rate);
}
void TForm1::UDProcent1_00_1000Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent1, 0.1L, direction, Rate);
}
void TForm1::UDProcent1_00_0100Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent1, 0.01L, direction, Rate);
}
void TForm1::UDProcent1_00_0010Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent1, 0.001L, direction, Rate);
}
void TForm1::UDProcent1_00_0001Click(QObject* sender, UpDownDirection direction) {
    spin(*this, sender, EProcent1, 0.0001L, direction, Rate);
}
