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

// The six spinners of one rate field, from the tens to the ten-thousandths. The member and
// its objectName come from one token, so they cannot disagree.
// clang-format off
#define RATE_SPINNERS(prefix, field, bound)                                          \
    {#prefix "_10_0000", &TForm1::prefix##_10_0000, &TForm1::field, 10.0L, bound},   \
    {#prefix "_01_0000", &TForm1::prefix##_01_0000, &TForm1::field, 1.0L, bound},    \
    {#prefix "_00_1000", &TForm1::prefix##_00_1000, &TForm1::field, 0.1L, bound},    \
    {#prefix "_00_0100", &TForm1::prefix##_00_0100, &TForm1::field, 0.01L, bound},   \
    {#prefix "_00_0010", &TForm1::prefix##_00_0010, &TForm1::field, 0.001L, bound},  \
    {#prefix "_00_0001", &TForm1::prefix##_00_0001, &TForm1::field, 0.0001L, bound}
// clang-format on

std::span<const TForm1::RateSpinner> TForm1::RateSpinners() {
    using enum SpinnerStep::LowerBound;
    // The two rates cannot be stepped to zero or below, the deviation can.
    static constexpr RateSpinner table[] = {
        RATE_SPINNERS(UDProcent0, EProcent0, AboveStep),
        RATE_SPINNERS(UDProcentRiska0, EProcentRiska0, None),
        RATE_SPINNERS(UDProcent1, EProcent1, AboveStep),
    };
    return table;
}

#undef RATE_SPINNERS

// Each spinner adds or subtracts its place value. When the loan's main fields are filled in,
// every click rebuilds the schedule, so that the rates can be tuned against the lender's
// schedule.
void TForm1::UDProcentClick(QObject* sender, UpDownDirection direction) {
    for (const RateSpinner& spinner : RateSpinners()) {
        if (sender != this->*spinner.control)
            continue;
        const auto dir = direction == UpDownDirection::Up ? SpinnerStep::Direction::Up
                                                          : SpinnerStep::Direction::Down;
        TEdit* field = this->*spinner.field;
        // A text that is no number fails here, before anything changed.
        field->setText(SpinnerStep::Step(field->text(), spinner.step, dir, spinner.bound));
        if (SpinnerStep::RebuildWanted(ECreditor->currentText(), ETip->currentText(),
                                       ESummCred->text(), ESrok0->text(), EProcent0->text()))
            BBGrafClick(sender);
        return;
    }
}
