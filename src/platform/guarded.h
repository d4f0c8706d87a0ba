#pragma once

#include "platform/platform.h"

#include <QString>
#include <QWidget>

#include <exception>

namespace fendrimo {

// Runs a handler; a failure it doesn't catch is shown in the failure box over
// parent and the rest of the handler is skipped.
template <typename Handler> void runGuarded(QWidget* parent, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        platform().failure(parent, QString::fromStdString(failure.what()) + QLatin1Char('.'));
    }
}

} // namespace fendrimo
