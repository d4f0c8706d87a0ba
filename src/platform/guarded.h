#pragma once

#include <QtGlobal>

#include <exception>
#include <utility>

class QWidget;

namespace fendrimo {

// The one way a failure no handler caught reaches the user: the failure box
// ("Fendrimo", stop icon) over parent with its message and a full stop.
void reportFailure(QWidget* parent, const std::exception& failure);

// Runs a handler; a failure it doesn't catch is reported over parent and the
// rest of the handler is skipped. False when it failed.
template <typename Handler> bool guarded(QWidget* parent, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& failure) {
        reportFailure(parent, failure);
        return false;
    }
}

} // namespace fendrimo
