#pragma once

#include <QObject>

#include <exception>
#include <functional>

// Qt does not let exceptions pass through its signal and event dispatch. Every entry point
// from Qt into the program (connections, event overrides, control hooks) runs its handler
// through guarded(), which hands an escaping exception to the error handler of its window
// instead. The window owns its error handler and hands it to its controls.
class ErrorHandler {
public:
    // sender: the object whose event was running.
    using Report = std::function<void(QObject* sender, std::exception_ptr error)>;

    explicit ErrorHandler(Report report)
        : m_report(std::move(report)) {}
    ErrorHandler(const ErrorHandler&) = delete;
    ErrorHandler& operator=(const ErrorHandler&) = delete;

    // Passes one escaped exception to the report. A failure inside the report, and an error
    // raised while the report runs, are only logged: they never re-enter it. Never throws.
    void report(QObject* sender, std::exception_ptr error) noexcept;

private:
    Report m_report;
    bool m_reporting = false;
};

// Logs a failure that no error handler takes.
void logUnhandled(std::exception_ptr error) noexcept;

// Reports a failure to an error handler, or only logs it when there is none (a control
// outside any window). Never throws.
inline void reportError(ErrorHandler* errors, QObject* sender, std::exception_ptr error) noexcept {
    if (errors)
        errors->report(sender, std::move(error));
    else
        logUnhandled(std::move(error));
}

// Runs a handler and returns whether it finished; an exception it lets escape is reported
// (see reportError) and the result is false. Never throws.
template <typename F> bool guarded(ErrorHandler* errors, QObject* sender, F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
        return true;
    } catch (...) {
        reportError(errors, sender, std::current_exception());
        return false;
    }
}

// What the controls with hooks share: the error handler their window hands them, through
// which they run their hooks.
class GuardedControl {
public:
    void setErrorHandler(ErrorHandler* errors) { m_errors = errors; }
    ErrorHandler* errorHandler() const { return m_errors; }

private:
    ErrorHandler* m_errors = nullptr;
};
