#pragma once

#include <exception>
#include <type_traits>
#include <utility>

// The program-wide error handler: an error that no operation catches ends
// that operation, its message is shown, and the program goes on.
namespace ProgramErrors {

void report(const std::exception& e);
void reportUnknown();

// Wraps an event handler so that no exception crosses Qt's event loop:
//   connect(button, &QPushButton::clicked, this, ProgramErrors::guarded([this] { Button1Click(); }));
template <typename F>
auto guarded(F f)
{
    return [f = std::move(f)](auto&&... args) {
        try {
            // Signal arguments the handler does not take are dropped.
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        } catch (const std::exception& e) {
            report(e);
        } catch (...) {
            reportUnknown();
        }
    };
}

// Runs f at once under the same net.
template <typename F>
void run(F&& f)
{
    guarded(std::forward<F>(f))();
}

} // namespace ProgramErrors
