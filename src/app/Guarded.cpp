#include "Guarded.h"

#include <QtGlobal>

namespace ErrorHook {
namespace {

Hook& installedHook() {
    static Hook hook;
    return hook;
}

void logOnly(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        qWarning("Unhandled error: %s", e.what());
    } catch (...) {
        qWarning("Unhandled error of unknown type");
    }
}

} // namespace

void install(Hook hook) {
    installedHook() = std::move(hook);
}

void dispatch(QObject* sender, std::exception_ptr error) noexcept {
    // A failure inside the hook itself must not re-enter it or escape into Qt.
    static bool inHook = false;
    if (!installedHook() || inHook) {
        logOnly(error);
        return;
    }
    inHook = true;
    try {
        installedHook()(sender, error);
    } catch (...) {
        logOnly(std::current_exception());
    }
    inHook = false;
}

} // namespace ErrorHook
