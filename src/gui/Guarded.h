#pragma once

#include <cstdio>
#include <exception>

namespace trajecta {

// Runs a call from an event of a window into the model. Qt's event loop
// cannot carry an exception, so a programming error of the model (an unknown
// control name) is reported on standard error here and the window goes on.
template <typename Call> void guarded(Call&& call) noexcept {
    try {
        call();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trajecta: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "trajecta: unknown error\n");
    }
}

} // namespace trajecta
