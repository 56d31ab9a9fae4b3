// Waiting that ends early when the user stops the simulator (Ctrl-C, or kill on Linux), without a
// flag polled in a loop: on Linux SIGINT and SIGTERM are blocked and collected while waiting; on
// Windows the console's stop events set an event that the wait watches.
#pragma once

#include <chrono>

#ifndef _WIN32
#include <csignal>
#endif

namespace osk::companionsim {

class StopSignal {
public:
    // Create it first thing in main: on Linux it blocks SIGINT and SIGTERM for the calling thread
    // and the threads it starts later.
    StopSignal();

    // Waits up to d. True when a stop signal came, during the wait or before it.
    bool waitFor(std::chrono::milliseconds d);

private:
#ifndef _WIN32
    sigset_t signals_{};
#endif
};

} // namespace osk::companionsim
