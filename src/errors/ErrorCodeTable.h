#pragma once

#include <QString>

#include <vector>

// The Russian descriptions of error codes that the error report prints: every code from 0 to
// 255 (the classic DOS and run-time library numbers) and selected codes from 256 upward
// (data, conversion and floating-point errors). The table is fixed.
struct ErrorCodeRow {
    quint16 code;
    QString text;
};

// All rows, ordered by code; every code occurs once.
const std::vector<ErrorCodeRow>& ErrorCodeTable();

// The description of a code. A code without a row reads "Ошибка <code> (неизвестное
// значение)"; a row's text may be empty.
QString ErrorCodeText(unsigned code);
