#pragma once
// Connects a signal to an event handler entered through guard(), so an
// error ends that handler only. The handler takes the signal's arguments,
// or none.
#include "platform/Errors.h"

#include <QObject>
#include <type_traits>

namespace platform {

template <class Sender, class Signal, class Body>
QMetaObject::Connection on(Sender* sender, Signal signal, QObject* context, const char* handler, Body body)
{
    return QObject::connect(sender, signal, context, [handler, body](auto&&... args) {
        guard(handler, [&] {
            if constexpr (std::is_invocable_v<Body, decltype(args)...>)
                body(args...);
            else
                body();
        });
    });
}

}  // namespace platform
