// Waiting that ends early on SIGINT or SIGTERM, without a signal handler or a global flag: the
// two signals are blocked and collected while waiting.
#pragma once

#include <chrono>

#include <csignal>

namespace osk::companionsim {

class StopSignal {
public:
    // Blocks SIGINT and SIGTERM for the calling thread and the threads it starts later; create
    // it first thing in main.
    StopSignal();

    // Waits up to d. True when a stop signal came, during the wait or before it.
    bool waitFor(std::chrono::milliseconds d);

private:
    sigset_t signals_{};
};

} // namespace osk::companionsim
