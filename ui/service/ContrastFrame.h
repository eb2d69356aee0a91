#pragma once

class QSlider;
class ServiceWindow;
class cNivolantis;

/// The frame "&Kontrast" of page 4: the slider sets the display contrast live, "Speichern"
/// stores it at EEPROM address 20.
class ContrastFrame {
public:
    ContrastFrame(ServiceWindow& window, cNivolantis& app);

    /// Sets the slider from EEPROM address 20 without sending it back; a device that does not
    /// answer leaves the slider as it is, without a message.
    void ReadFromDevice();

private:
    void Send(int value);
    void Store();

    ServiceWindow& m_window;
    cNivolantis& m_app;
    QSlider* m_slider;
};
