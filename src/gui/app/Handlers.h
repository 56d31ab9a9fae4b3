// How the window's controls reach their handlers. Every handler runs guarded: nothing it throws
// leaves the event loop; the action is abandoned and the failure reported on the diagnostic
// output. A handler connected with connectAction also runs as one user action: the plot
// redraws that it and the change events nested in it request are drawn once, when it returns.
#pragma once

#include "graph/PlotRedraws.h"

#include <QObject>
#include <QtGlobal>

#include <exception>
#include <type_traits>

namespace osk {

inline void reportHandlerFailure(const char* what) noexcept {
    qCritical("osk-graphs: an action was abandoned: %s", what);
}

template <typename F> void runGuarded(F&& body) noexcept {
    try {
        body();
    } catch (const std::exception& e) {
        reportHandlerFailure(e.what());
    } catch (...) {
        reportHandlerFailure("unknown failure");
    }
}

// handler takes the signal's arguments, or none.
template <typename Sender, typename Signal, typename Handler>
void connectGuarded(Sender* sender, Signal signal, QObject& context, Handler handler) {
    QObject::connect(sender, signal, &context, [handler](auto... args) {
        runGuarded([&] {
            if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                handler(args...);
            else
                handler();
        });
    });
}

template <typename Sender, typename Signal, typename Handler>
void connectAction(Sender* sender, Signal signal, QObject& context, PlotRedraws& redraws,
                   Handler handler) {
    connectGuarded(sender, signal, context, [&redraws, handler](auto... args) {
        const PlotRedraws::ActionScope action(redraws);
        if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
            handler(args...);
        else
            handler();
    });
}

} // namespace osk
