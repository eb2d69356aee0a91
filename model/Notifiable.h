#pragma once

/// Anything a change can be reported to: the owner of a parameter (a range or a group),
/// the owner of a range or group, and the application object at the top.
class Notifiable {
public:
    virtual ~Notifiable() = default;
    virtual void Notify() = 0;
};
