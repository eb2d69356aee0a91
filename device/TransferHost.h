#pragma once

#include "base/Cancellation.h"

#include <cstdint>
#include <string>
#include <vector>

/// Where a device search stands or ended: the port being tried or the port where the device
/// answered (0: none), and the identification it answered (empty until then).
struct SearchState {
    std::int16_t port = 0;
    std::string identification;
};

/// What the device search found at one port: the device file it opened (or tried to), and
/// the outcome. `kFound` carries the identification in `detail`, `kWrongAnswer` the answer,
/// `kCannotOpen` the port's own reason.
struct PortProbe {
    enum Outcome {
        kFound,
        kNoAnswer,
        kWrongAnswer,
        kNotPresent,
        kInUse,
        kCannotOpen,
        kNoPermission
    };
    std::int16_t port = 0;
    std::string path;
    Outcome outcome = kNoAnswer;
    std::string detail;
};

/// What a device transfer needs from the program around it: a place to show the search and the
/// progress, the mark that keeps two transfers from running at once, and the user's request to
/// stop a read.
class TransferHost {
public:
    virtual ~TransferHost() = default;
    /// The search moved on; the views learn it with the next notification.
    virtual void ShowSearch(const SearchState& state) = 0;
    /// Percent of the bytes done (0 at the end), for the views that show progress.
    virtual void NotifyProgress(int percent) = 0;
    /// True while a device exchange or transfer runs; a new transfer is then refused.
    virtual bool DeviceBusy() const = 0;
    virtual void setTransferRunning(bool running) = 0;
    /// Looked at between the exchanges of a device read, which stops there when it is requested.
    virtual const Cancellation& UserCancel() const = 0;
};
