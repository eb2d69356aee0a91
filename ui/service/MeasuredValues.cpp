#include "ui/service/MeasuredValues.h"

#include "app/cNivolantis.h"
#include "base/NumberText.h"
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
    // Until the first read: placeholders in the forms of the values read, after the regional
    // settings (a decimal number in mA and scaled, a whole number of the converter).
    const QString fraction = QString::fromStdString(NumberToText(1.2345));
    m_values[0]->setText(fraction);
    m_values[1]->setText(fraction);
    m_values[2]->setText("12345");
    QPushButton* read = window.Widgets().readMeasuredValues;
    QObject::connect(read, &QPushButton::clicked, read, [this] {
        m_window.Commands().RunServiceCommand("Messwert", [this] { Read(); });
    });
}

void MeasuredValues::Read() {
    const auto texts = m_app.Measure().Texts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        m_values[i]->setText(QString::fromStdString(texts[i]));
}
