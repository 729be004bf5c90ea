#pragma once

class QAbstractButton;

// Sets a check box's or radio button's checked state from code. Unlike QAbstractButton::
// setChecked it can also uncheck the checked radio button of a group (leaving the group with
// none checked). The button's click handler runs as the window's wiring says (a radio button
// becoming checked, a check box changing state).
void SetChecked(QAbstractButton* button, bool checked);
