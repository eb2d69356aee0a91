#include "ui/service/ContrastFrame.h"

#include "app/cNivolantis.h"
#include "ui/service/ServiceWindow.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int kContrastAdress = 20;    ///< EEPROM byte of the display contrast
constexpr char kSetCommand = 'S';      ///< "S", selector, value: set a display property
constexpr char kContrastSelector = 92; ///< selector of the contrast
constexpr double kSetTimeoutS = 1.0;   ///< reply to "S": 1 byte, not evaluated

} // namespace

ContrastFrame::ContrastFrame(ServiceWindow& window, cNivolantis& app)
    : m_window(window), m_app(app), m_slider(window.Widgets().contrast) {
    QObject::connect(m_slider, &QSlider::valueChanged, m_slider,
                     [this](int value) { Send(value); });
    QPushButton* store = window.Widgets().storeContrast;
    QObject::connect(store, &QPushButton::clicked, store, [this] { Store(); });
}

void ContrastFrame::ReadFromDevice() {
    const std::optional<std::uint8_t> contrast = m_app.ReadEepromByte(kContrastAdress);
    if (!contrast)
        return;
    const QSignalBlocker quiet(m_slider); // the device has this value already
    m_slider->setValue(*contrast);
}

void ContrastFrame::Send(int value) {
    m_window.Commands().RunServiceCommand("Kontrast", [this, value] {
        const std::string command{kSetCommand, kContrastSelector, static_cast<char>(value)};
        m_app.SendCommand(command, 1, kSetTimeoutS);
    });
}

void ContrastFrame::Store() {
    m_window.Commands().RunServiceCommand("Kontrast speichern", [this] {
        m_app.WriteEepromByte(kContrastAdress, static_cast<std::uint8_t>(m_slider->value()));
    });
}
