#pragma once

#include "base/EventPump.h"

/// Lets the toolkit handle its pending events (painting, input) during the core's long waits.
class QtEventPump : public EventPump {
public:
    void ProcessEvents() override;
};
