#include "ui/service/ContrastFrame.h"

#include "app/basMain.h"
#include "ui/main/frmMain.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int kContrastAdress = 20;    ///< EEPROM byte of the display contrast
constexpr char kSetCommand = 'S';      ///< "S", selector, value: set a display property
constexpr char kContrastSelector = 92; ///< selector of the contrast
constexpr double kSetTimeoutS = 1.0;   ///< reply to "S": 1 byte, not evaluated

} // namespace

ContrastFrame::ContrastFrame(frmMain& window)
    : m_window(window), m_slider(window.findChild<QSlider*>("scrollKontrast")) {
    QObject::connect(m_slider, &QSlider::valueChanged, &window, [this](int value) { Send(value); });
    QObject::connect(window.findChild<QPushButton*>("cmdKontrastSpeichern"), &QPushButton::clicked,
                     &window, [this] { Store(); });
}

void ContrastFrame::ReadFromDevice() {
    cSerCom& serCom = MyNivolantis->SerCom();
    if (serCom.ReadEEPROM(kContrastAdress, 1) != 1)
        return;
    const QSignalBlocker quiet(m_slider); // the device has this value already
    m_slider->setValue(static_cast<int>(serCom.getBufferLong()));
}

void ContrastFrame::Send(int value) {
    m_window.RunServiceCommand("Kontrast", [value] {
        const std::string command{kSetCommand, kContrastSelector, static_cast<char>(value)};
        MyNivolantis->SerCom().Command(command, 1, kSetTimeoutS);
    });
}

void ContrastFrame::Store() {
    m_window.RunServiceCommand("Kontrast speichern", [this] {
        MyNivolantis->SerCom().WriteEEPROM(kContrastAdress, 1, m_slider->value());
    });
}
