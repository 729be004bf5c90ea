// The window's error hook: the report of every failure that no handler caught.
#include "TForm1.h"

#include "ErrorHandling.h"

// Closes the shared text file an interrupted save or load left open, then shows the report
// through the window's message boxes. The failed handler has already stopped; whatever it
// changed in the window stays as it is.
void TForm1::Error(QObject* sender, std::exception_ptr error) {
    handleError(sender, std::move(error), &m_sharedTextFile, messages());
}
