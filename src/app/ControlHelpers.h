#pragma once

class QAbstractButton;
class QProgressBar;

// Sets a check box's or radio button's checked state from code. Unlike QAbstractButton::
// setChecked it can also uncheck the checked radio button of a group (leaving the group with
// none checked). The button's click handler runs as the window's wiring says (a radio button
// becoming checked, a check box changing state).
void SetChecked(QAbstractButton* button, bool checked);

// Sets the position of a progress gauge. A position above the maximum shows a full gauge and
// one below the minimum an empty one (Qt would ignore both and keep the old position).
void SetPosition(QProgressBar* gauge, int position);
