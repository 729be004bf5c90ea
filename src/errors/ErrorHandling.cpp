#include "ErrorHandling.h"

#include "ErrorReport.h"

void handleError(QObject* sender, std::exception_ptr error, ClosableFile* sharedTextFile,
                 MessageService& messages) noexcept {
    if (sharedTextFile)
        sharedTextFile->closeQuietly(); // a failed close is dropped: see the header
    ShowErrorReport(sender, error, messages);
}
