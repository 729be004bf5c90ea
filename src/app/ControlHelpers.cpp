#include "ControlHelpers.h"

#include <QAbstractButton>
#include <QProgressBar>

#include <algorithm>

void SetChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked)
        return;
    // An auto-exclusive radio button refuses to be unchecked while it is the group's checked
    // one; lifting the exclusivity for the moment lets the group end up with none checked.
    const bool exclusive = button->autoExclusive();
    if (!checked && exclusive)
        button->setAutoExclusive(false);
    button->setChecked(checked);
    if (!checked && exclusive)
        button->setAutoExclusive(true);
}

void SetPosition(QProgressBar* gauge, int position) {
    gauge->setValue(std::clamp(position, gauge->minimum(), gauge->maximum()));
}
