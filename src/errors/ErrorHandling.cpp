#include "ErrorHandling.h"

#include "ErrorReport.h"

void handleError(QObject* sender, std::exception_ptr error, ClosableFile* sharedTextFile,
                 MessageService& messages) noexcept {
    if (sharedTextFile) {
        try {
            if (sharedTextFile->isOpen())
                sharedTextFile->close();
        } catch (...) {
            // Dropped on purpose: see the header.
        }
    }
    ShowErrorReport(sender, error, messages);
}
