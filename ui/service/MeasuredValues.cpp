#include "ui/service/MeasuredValues.h"

#include "app/basMain.h"
#include "base/NumberText.h"
#include "ui/main/frmMain.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <string>

namespace {

constexpr double kValueTimeoutS = 1.0; ///< reply to "Q", "i" and "q"

struct Request {
    const char* command;
    std::int16_t length; ///< bytes of the reply, least significant first
};
constexpr std::array<Request, 3> kRequests{{
    {"Q", 2}, ///< output current in µA
    {"i", 4}, ///< measured value in scale units × the scale end's factor
    {"q", 2}, ///< raw A/D converter value
}};

} // namespace

MeasuredValues::MeasuredValues(frmMain& window) : m_window(window) {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i] = window.findChild<QLabel*>("lblMesswert_" + QString::number(i));
        m_values[i]->setFont(fixed);
    }
    QObject::connect(window.findChild<QPushButton*>("Command6"), &QPushButton::clicked, &window,
                     [this] { m_window.RunServiceCommand("Messwert", [this] { Read(); }); });
}

void MeasuredValues::Read() {
    cSerCom& serCom = MyNivolantis->SerCom();
    const double factor = MyNivolantis->Data("Eingang").Ranges("Skalierung").RangeEnd().Factor();
    const std::function<std::string(std::int32_t)> forms[] = {
        [](std::int32_t raw) { return NumberToText(raw / 1000.0); },
        [factor](std::int32_t raw) { return NumberToText(raw / factor); },
        [](std::int32_t raw) { return std::to_string(raw); },
    };
    for (std::size_t i = 0; i < kRequests.size(); ++i) {
        const Request& request = kRequests[i];
        const bool answered =
            serCom.Command(request.command, request.length, kValueTimeoutS) == request.length;
        m_values[i]->setText(answered ? QString::fromStdString(forms[i](serCom.getBufferLong()))
                                      : QString("Fehler"));
    }
}
