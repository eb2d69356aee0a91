#pragma once

#include "base/EventPump.h"

#include <functional>
#include <utility>

/// Runs the call from every wait of the serial channel, where window events would run.
struct CallbackPump : EventPump {
    explicit CallbackPump(std::function<void()> onEvents) : onEvents(std::move(onEvents)) {}
    void ProcessEvents() override { onEvents(); }
    std::function<void()> onEvents;
};
