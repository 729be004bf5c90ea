#pragma once

#include "ClosableFile.h"
#include "MessageService.h"

#include <QObject>

#include <exception>

// The program's answer to an error that no operation handled, run by the window's error
// hook for every such error:
// 1. the shared text file, which an interrupted save or load may have left open, is closed,
//    so that the next file operation starts from a closed file object; should closing fail
//    in its turn, that failure is dropped and the file counts as closed: the error that
//    interrupted the operation is the one the user needs to see, and a failure of the hook
//    itself never comes back into it;
// 2. the error report is shown.
// The shared text file may be null while there is none. Never throws.
void handleError(QObject* sender, std::exception_ptr error, ClosableFile* sharedTextFile,
                 MessageService& messages) noexcept;
