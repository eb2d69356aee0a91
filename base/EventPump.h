#pragma once

/// Lets pending window events run. Long waits of the core call it at least every 10 ms.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessEvents() = 0;
};
