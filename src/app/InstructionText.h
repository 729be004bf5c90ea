#pragma once

#include <QStringList>

// The help text shown in the window's "О программе" panel, line by line.
QStringList InstructionLines();
