#include "Guarded.h"

#include <QtGlobal>

void logUnhandled(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        qWarning("Unhandled error: %s", e.what());
    } catch (...) {
        qWarning("Unhandled error of unknown type");
    }
}

void ErrorHandler::report(QObject* sender, std::exception_ptr error) noexcept {
    if (!m_report || m_reporting) {
        logUnhandled(error);
        return;
    }
    m_reporting = true;
    try {
        m_report(sender, error);
    } catch (...) {
        logUnhandled(std::current_exception());
    }
    m_reporting = false;
}
