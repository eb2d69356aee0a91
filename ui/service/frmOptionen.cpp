#include "ui/service/frmOptionen.h"

#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "base/UnexpectedError.h"
#include "ui/service/PortPathList.h"

#include "ui_frmOptionen.h"

#include <QScopedValueRollback>
#include <QShortcut>

#include <array>

namespace {

/// The variant each option stands for, by option index.
constexpr std::array<std::uint8_t, 3> kVariants = {7, 1, 0};

} // namespace

frmOptionen::frmOptionen(cNivolantis& app, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_app(app), m_ui(std::make_unique<Ui::frmOptionen>()) {
    m_ui->setupUi(this);
    QRadioButton* options[] = {m_ui->optVarianten_0, m_ui->optVarianten_1, m_ui->optVarianten_2};
    for (int i = 0; i < 3; ++i)
        connect(options[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Choose(i);
        });
    connect(m_ui->Command2, &QPushButton::clicked, this, &frmOptionen::ReadFromDevice);
    connect(m_ui->Command1, &QPushButton::clicked, this, &QWidget::hide);
    // Esc closes it as "OK" does, as in any dialog.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::hide);
    connect(m_ui->chkDefaultMarks, &QCheckBox::toggled, this, &frmOptionen::SwitchDefaultMarks);
    connect(m_ui->chkTrace, &QCheckBox::toggled, this, &frmOptionen::SwitchTrace);
    m_ui->lblTraceFile->setText(QString::fromStdString(
        TrArgs(Tr("frmOptionen", "Mitschnitt in: %1"), {cNivolantis::TraceFile()})));
    m_ports = new PortPathList(app, *m_ui->grdPortPaths, *m_ui->cmdPortsSave, *m_ui->lblPortsNote);
    m_registration = app.AddView(*this);
    if (app.SettingsSource().Trace())
        if (const std::string failure = app.StartTrace(true); !failure.empty())
            ShowTraceFailure(failure);
}

frmOptionen::~frmOptionen() = default;

void frmOptionen::Update() {
    QScopedValueRollback refreshing(m_refreshing, true);
    QRadioButton* options[] = {m_ui->optVarianten_0, m_ui->optVarianten_1, m_ui->optVarianten_2};
    for (std::size_t i = 0; i < kVariants.size(); ++i)
        if (m_app.HardwareVariante() == kVariants[i] && !options[i]->isChecked())
            options[i]->setChecked(true);
    m_ui->chkDefaultMarks->setChecked(m_app.HighlightDefaults());
    m_ui->chkTrace->setChecked(m_app.Tracing());
}

void frmOptionen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Update();
    m_ports->Refresh();
}

void frmOptionen::Choose(int option) {
    if (m_refreshing)
        return;
    if (m_app.DeviceBusy()) { // a variant change would disturb the running transfer
        Update();
        return;
    }
    m_app.setHardwareVariante(kVariants[option]);
}

void frmOptionen::SwitchDefaultMarks(bool on) {
    if (m_refreshing || on == m_app.HighlightDefaults())
        return;
    if (const std::string failure = m_app.setHighlightDefaults(on); !failure.empty())
        ShowMessage(TrArgs(Tr("frmOptionen", "Die Einstellung gilt bis zum Programmende, sie "
                                             "konnte nicht gespeichert werden: %1"),
                           {failure}),
                    MsgIcon::Exclamation);
}

void frmOptionen::SwitchTrace(bool on) {
    if (m_refreshing || on == m_app.Tracing())
        return;
    if (const std::string failure = m_app.setTracing(on); !failure.empty())
        ShowTraceFailure(failure);
}

void frmOptionen::ShowTraceFailure(const std::string& failure) {
    ShowMessage(TrArgs(Tr("frmOptionen", "Mitschnitt des Datenverkehrs: %1"), {failure}),
                MsgIcon::Exclamation);
}

void frmOptionen::ReadFromDevice() {
    if (m_app.DeviceBusy())
        return;
    setEnabled(false); // one device exchange at a time
    try {
        if (const std::optional<std::uint8_t> byte = m_app.ReadEepromByte(7))
            m_app.setHardwareVariante(*byte & 0x07);
        else
            ShowMessage(
                Tr("frmOptionen", "Die Hardwarevariante des Gerätes konnte nicht gelesen werden."),
                MsgIcon::Exclamation);
    } catch (const std::exception& error) {
        ReportUnexpected(Tr("frmOptionen", "Aus Gerät lesen"), error.what());
    }
    setEnabled(true);
}
