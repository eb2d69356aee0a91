#include "ui/service/MeasuredValues.h"

#include "app/basMain.h"
#include "device/Measurement.h"
#include "ui/main/frmMain.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

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
    const auto texts = Measurement::Read(MyNivolantis->SerCom(), MyNivolantis->Config()).Texts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        m_values[i]->setText(QString::fromStdString(texts[i]));
}
