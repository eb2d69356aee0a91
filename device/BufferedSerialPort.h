#pragma once

#include "device/SerialPort.h"

#include <cstddef>
#include <string>
#include <string_view>

/// What every port does alike: the receive buffer, bounded by kReceiveLimit, filled only when
/// the caller asks how much is waiting or waits for more; the hang-up of the other side, after
/// which every wait fails at once until the port is closed; the last failure's description.
/// A port adds how it opens, sends, takes in what its driver holds and waits for more.
class BufferedSerialPort : public SerialPort {
public:
    std::size_t BytesWaiting() final;
    std::string ReadAll() final;
    SerialWait WaitReadable(double timeoutSeconds) final;
    double CharacterSeconds() const final { return m_characterSeconds; }
    std::string ErrorDescription() const final { return m_error; }
    OpenFault LastOpenFault() const final { return m_openFault; }

protected:
    /// Takes what the driver holds now into the buffer, at most Room() bytes; called only on an
    /// open port whose line is not gone.
    virtual void TakeIn() = 0;
    /// Waits at most timeoutSeconds for further bytes and takes them in: Done when some came,
    /// Timeout, or Failed after HangUp. Called only on a usable port whose buffer has room.
    virtual SerialWait WaitForBytes(double timeoutSeconds) = 0;

    /// Bytes the receive buffer still takes.
    std::size_t Room() const;
    std::size_t Received() const { return m_received.size(); }
    void Receive(std::string_view bytes) { m_received += bytes; }
    /// False, with the reason, when the port is not open or its line is gone.
    bool Usable();
    /// Keeps that the other side hung up; returns Failed.
    SerialWait HangUp();
    bool HungUp() const { return m_hungUp; }
    /// Forgets the received bytes and a hang-up: the port was closed or opened anew.
    void ResetLine();
    /// Keeps the description of a failure; returns false.
    bool Fail(std::string description);

    std::string m_error;
    OpenFault m_openFault = OpenFault::None;
    double m_characterSeconds = 10.0 / 19200;

private:
    bool m_hungUp = false;
    std::string m_received;
};
