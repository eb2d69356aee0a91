#pragma once

class QSlider;
class frmMain;

/// The frame "&Kontrast" of page 4: the slider sets the display contrast live, "Speichern"
/// stores it at EEPROM address 20.
class ContrastFrame {
public:
    explicit ContrastFrame(frmMain& window);

    /// Sets the slider from EEPROM address 20 without sending it back; a device that does not
    /// answer leaves the slider as it is, without a message.
    void ReadFromDevice();

private:
    void Send(int value);
    void Store();

    frmMain& m_window;
    QSlider* m_slider;
};
