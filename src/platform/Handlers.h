#pragma once
// Connects a signal to an event handler entered through guard(), so an
// error ends that handler only. The handler takes the signal's arguments,
// or none.
#include "platform/Errors.h"

#include <QObject>
#include <type_traits>
#include <utility>

namespace platform {

// A template of its own, so the call not taken is never compiled: inside the
// lambda below clang would check it.
template <class Body, class... Args>
void callHandler(const Body& body, Args&&... args)
{
    if constexpr (std::is_invocable_v<const Body&, Args...>)
        body(std::forward<Args>(args)...);
    else
        body();
}

template <class Sender, class Signal, class Body>
QMetaObject::Connection on(Sender* sender, Signal signal, QObject* context, const char* handler, Body body)
{
    return QObject::connect(sender, signal, context, [handler, body](auto&&... args) {
        guard(handler, [&] { callHandler(body, std::forward<decltype(args)>(args)...); });
    });
}

}  // namespace platform
