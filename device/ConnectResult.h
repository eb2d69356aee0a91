#pragma once

#include "device/SerialPort.h"

#include <cstdint>

/// What cSerCom::Connect found at one port.
struct ConnectResult {
    enum Outcome {
        kAnswered,    ///< the answer held the text asked for; the port stays open and current
        kWrongAnswer, ///< another answer came; the port was closed again
        kNoAnswer,    ///< nothing came within the time-out; the port was closed again
        kNotOpened,   ///< the port could not be opened, for the reason in `fault`
        kRefused,     ///< another operation of the channel was waiting; nothing was done
    };

    Outcome outcome = kRefused;
    OpenFault fault = OpenFault::None; ///< with kNotOpened: why
    std::int16_t port = 0;             ///< the port asked for, with kAnswered; else 0

    /// False when the port could not be opened (or nothing was tried); true when the question
    /// went out, whatever came back.
    bool Opened() const { return outcome != kNotOpened && outcome != kRefused; }
};
