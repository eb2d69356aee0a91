#pragma once

#include "base/Translation.h"
#include "base/UnexpectedError.h"

/// Anything a change can be reported to: the owner of a parameter (a range or a group),
/// the owner of a range or group, and the application object at the top.
class Notifiable {
public:
    virtual ~Notifiable() = default;
    virtual void Notify() = 0;
};

/// Passes a change on to an owner; no owner yet is ignored, so that values can be set while an
/// object is being built. A failing owner is reported on standard error, never passed on: a
/// broken view must not turn an entry into an error.
inline void NotifyOwner(Notifiable* owner) noexcept {
    if (!owner)
        return;
    try {
        owner->Notify();
    } catch (...) {
        ReportUnexpected(Tr("Notifiable", "Änderung nicht weitergegeben"), CurrentErrorText());
    }
}
