#pragma once

#include "Exceptions.h"
#include "MessageService.h"

#include <QObject>
#include <QStringList>

#include <exception>

// The report of an error that no operation handled: an optional short notice naming the
// error's type, then the Russian report box. Every line of the report ends in LF CR:
//
//     ОШИБКА ПРОГРАММЫ!!!
//     Класс ошибки:......<type name>
//     Сообщение(en):....<message>
//     Сообщение(ru):.....<description of the code>
//     Code:........................<code>
//     (Code/32:.......................<code % 32>)
// The last three lines appear only for a code other than 0.

// Types announced first in a box of their own ("type LF CR message"), matched by exact name.
const QStringList& ShortNoticeTypes();

// Types whose code the report prints, matched by exact name. Every other type has code 0.
const QStringList& CodedTypes();

// The error as the report sees it. The program's own errors are reported as raised; an
// error from outside the program gets the type of the same meaning: running out of memory
// is EOutOfMemory, a failed cast EInvalidCast, an index out of range
// EArgumentOutOfRangeException, a rejected argument EArgumentException, a failure of the
// operating system EOSError, any other standard exception EExternalException, and anything
// that is not an exception at all "Exception".
Exception DescribeError(std::exception_ptr error) noexcept;

// The code the report prints: the error's number as an unsigned 16-bit value for the coded
// types, 0 for every other type.
quint16 ErrorReportCode(const Exception& error);

// The texts of the boxes in the order they are shown: the short notice when the type has
// one, then the report.
QStringList ErrorReportTexts(const Exception& error);

// Shows the boxes of an error. The sender, the object whose event was running, is not used.
// Never throws.
void ShowErrorReport(QObject* sender, std::exception_ptr error, MessageService& messages) noexcept;
