#pragma once

#include <QObject>

#include <exception>
#include <functional>

// Qt does not let exceptions pass through its signal and event dispatch. Every entry point
// from Qt into the program (connections and event overrides alike) runs its handler through
// guarded(), which hands an escaping exception to the installed error hook instead.
namespace ErrorHook {

using Hook = std::function<void(QObject* sender, std::exception_ptr error)>;

// Installs the program's hook (the window installs its Error on creation); an empty hook
// restores the default, which only logs the failure.
void install(Hook hook);

// Passes one escaped exception to the hook. Never throws.
void dispatch(QObject* sender, std::exception_ptr error) noexcept;

} // namespace ErrorHook

template <typename F> void guarded(QObject* sender, F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (...) {
        ErrorHook::dispatch(sender, std::current_exception());
    }
}
