#include "ui/service/frmOptionen.h"

#include "app/basMain.h"
#include "base/Platform.h"

#include "ui_frmOptionen.h"

#include <QScopedValueRollback>

#include <array>
#include <iostream>

namespace {

/// The variant each option stands for, by option index.
constexpr std::array<std::uint8_t, 3> kVariants = {7, 1, 0};

} // namespace

frmOptionen::frmOptionen(QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_ui(std::make_unique<Ui::frmOptionen>()) {
    m_ui->setupUi(this);
    QRadioButton* options[] = {m_ui->optVarianten_0, m_ui->optVarianten_1, m_ui->optVarianten_2};
    for (int i = 0; i < 3; ++i)
        connect(options[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Choose(i);
        });
    connect(m_ui->Command2, &QPushButton::clicked, this, &frmOptionen::ReadFromDevice);
    connect(m_ui->Command1, &QPushButton::clicked, this, &QWidget::hide);
}

frmOptionen::~frmOptionen() = default;

void frmOptionen::Update() {
    if (!MyNivolantis)
        return;
    QScopedValueRollback refreshing(m_refreshing, true);
    QRadioButton* options[] = {m_ui->optVarianten_0, m_ui->optVarianten_1, m_ui->optVarianten_2};
    for (std::size_t i = 0; i < kVariants.size(); ++i)
        if (MyNivolantis->HardwareVariante() == kVariants[i] && !options[i]->isChecked())
            options[i]->setChecked(true);
}

void frmOptionen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Update();
}

void frmOptionen::Choose(int option) {
    if (m_refreshing || !MyNivolantis)
        return;
    if (MyNivolantis->DeviceBusy()) { // a variant change would disturb the running transfer
        Update();
        return;
    }
    MyNivolantis->setHardwareVariante(kVariants[option]);
}

void frmOptionen::ReadFromDevice() {
    if (!MyNivolantis || MyNivolantis->DeviceBusy())
        return;
    setEnabled(false); // one device exchange at a time
    try {
        cSerCom& serCom = MyNivolantis->SerCom();
        if (serCom.ReadEEPROM(7, 1) == 1)
            MyNivolantis->setHardwareVariante(serCom.getBufferByte() & 0x07);
        else
            ShowMessage("Die Hardwarevariante des Gerätes konnte nicht gelesen werden.",
                        MsgIcon::Exclamation);
    } catch (const std::exception& error) {
        std::cerr << "NivoConfig: Aus Gerät lesen: " << error.what() << '\n';
    }
    setEnabled(true);
}
