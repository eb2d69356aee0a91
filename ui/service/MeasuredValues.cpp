#include "ui/service/MeasuredValues.h"

#include "app/cNivolantis.h"
#include "device/Measurement.h"
#include "ui/service/ServiceWindow.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

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
    const auto texts = Measurement::Read(m_app.SerCom(), m_app.Config()).Texts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        m_values[i]->setText(QString::fromStdString(texts[i]));
}
