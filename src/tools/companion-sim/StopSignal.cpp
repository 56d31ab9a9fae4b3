#include "StopSignal.h"

#include <cerrno>
#include <ctime>

#include <pthread.h>

namespace osk::companionsim {

StopSignal::StopSignal() {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
}

bool StopSignal::waitFor(std::chrono::milliseconds d) {
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + d;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::nanoseconds>(until - Clock::now());
        const auto wait = left.count() > 0 ? left : std::chrono::nanoseconds(0);
        timespec ts{};
        ts.tv_sec = static_cast<time_t>(wait.count() / 1'000'000'000);
        ts.tv_nsec = static_cast<long>(wait.count() % 1'000'000'000);
        if (sigtimedwait(&signals_, nullptr, &ts) >= 0)
            return true;
        // Another signal cut the wait short: wait for the rest.
        if (errno != EINTR)
            return false;
    }
}

} // namespace osk::companionsim
