#include "ui/service/MeasuredValues.h"

#include "app/cNivolantis.h"
#include "base/NumberText.h"
#include "ui/service/ServiceWindow.h"

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

MeasuredValues::MeasuredValues(ServiceWindow& window, cNivolantis& app)
    : m_window(window), m_app(app), m_values(window.Widgets().measuredValues) {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QLabel* value : m_values)
        value->setFont(fixed);
    QPushButton* read = window.Widgets().readMeasuredValues;
    QObject::connect(read, &QPushButton::clicked, read,
                     [this] { m_window.RunServiceCommand("Messwert", [this] { Read(); }); });
}

void MeasuredValues::Read() {
    cSerCom& serCom = m_app.SerCom();
    const double factor = m_app.Data("Eingang").Ranges("Skalierung").RangeEnd().Factor();
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
