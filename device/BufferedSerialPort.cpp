#include "device/BufferedSerialPort.h"

#include "device/SerialPortTexts.h"

#include <algorithm>
#include <utility>

std::size_t BufferedSerialPort::BytesWaiting() {
    if (IsOpen() && !m_hungUp)
        TakeIn();
    return m_received.size();
}

std::string BufferedSerialPort::ReadAll() {
    if (IsOpen() && !m_hungUp)
        TakeIn();
    return std::exchange(m_received, {});
}

SerialWait BufferedSerialPort::WaitReadable(double timeoutSeconds) {
    if (!Usable())
        return SerialWait::Failed;
    if (m_received.size() >= kReceiveLimit)
        return SerialWait::Done;
    return WaitForBytes(timeoutSeconds);
}

std::size_t BufferedSerialPort::Room() const {
    return kReceiveLimit - std::min(m_received.size(), kReceiveLimit);
}

bool BufferedSerialPort::Usable() {
    if (!IsOpen())
        return Fail(SerialPortTexts::NotOpen());
    if (m_hungUp)
        return Fail(SerialPortTexts::LineLost());
    return true;
}

SerialWait BufferedSerialPort::HangUp() {
    m_hungUp = true;
    m_error = SerialPortTexts::LineLost();
    return SerialWait::Failed;
}

void BufferedSerialPort::ResetLine() {
    m_hungUp = false;
    m_received.clear();
}

bool BufferedSerialPort::Fail(std::string description) {
    m_error = std::move(description);
    return false;
}
