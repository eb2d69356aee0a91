#include "ui/service/FirmwareUpdate.h"

#include "app/cNivolantis.h"
#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "device/EepromTransfer.h"
#include "firmware/EepromHexFile.h"
#include "platform/FileDialogs.h"
#include "ui/QtText.h"
#include "ui/RecentFolders.h"
#include "ui/service/ServiceWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {

const char* const kTitle = TrNoop("FirmwareUpdate", "Firmware-Update");

std::string Title() {
    return Tr("FirmwareUpdate", kTitle);
}

FileDialogOptions FirmwareDialog(const std::string& title) { // cdDialog2
    FileDialogOptions options;
    options.title = Q(title);
    options.defaultSuffix = "hex";
    options.filter = Q(Tr("FirmwareUpdate", "Intel-HEX-Dateien (*.hex)"));
    return options;
}

/// "fw_EEPROM_2026-12-06_14-05-09.eep" beside "fw.hex".
QString BackupName(const QString& firmwareFile) {
    const DateTime now = Platform::Clocks().Now();
    const QFileInfo firmware(firmwareFile);
    const QString stamp = QString::asprintf("%04d-%02d-%02d_%02d-%02d-%02d", now.year, now.month,
                                            now.day, now.hour, now.minute, now.second);
    return firmware.dir().filePath(firmware.completeBaseName() + "_EEPROM_" + stamp + ".eep");
}

} // namespace

FirmwareUpdate::FirmwareUpdate(ServiceWindow& window, cNivolantis& app)
    : m_window(window), m_app(app), m_list(window.Widgets().firmwareLines) {
    const ServiceWidgets& widgets = window.Widgets();
    QObject::connect(widgets.writeFirmware, &QPushButton::clicked, widgets.writeFirmware, [this] {
        m_window.Commands().RunServiceCommand("Firmware übertragen", [this] { WriteToDevice(); });
    });
    QObject::connect(widgets.saveFirmware, &QPushButton::clicked, widgets.saveFirmware, [this] {
        m_window.Commands().RunServiceCommand("Firmware sichern", [this] {
            m_window.Commands().OfferCancel([this] { ReadFromDevice(); });
        });
    });
}

FirmwareUpdate::~FirmwareUpdate() = default;

bool FirmwareUpdate::RefusesClose() {
    if (!m_updating)
        return false;
    // Not modal: a modal box would hold the transfer below it still until it is closed, and
    // the bootloader could time out meanwhile.
    if (!m_refusal) {
        m_refusal = new QMessageBox(
            QMessageBox::Warning, Q(Title()),
            Q(Tr("FirmwareUpdate",
                 "Die Firmware wird gerade ins Gerät übertragen. Dieser Vorgang darf nicht "
                 "unterbrochen werden.\r\nDas Programm kann erst danach beendet werden.")),
            QMessageBox::Ok, m_list->window());
        m_refusal->setObjectName("msgCloseRefused");
        m_refusal->setAttribute(Qt::WA_DeleteOnClose);
        m_refusal->setWindowModality(Qt::NonModal);
    }
    m_refusal->show();
    m_refusal->raise();
    return true;
}

void FirmwareUpdate::StartTransfer() {
    m_firmware = m_app.NewFirmwareTransfer();
    m_firmware->OnFirmwareRWMessage = [this](const std::string& line) { AddLine(line); };
    m_firmware->OnFirmwareRWProgress = [this](double percent) { m_window.UpdateProgress(percent); };
    m_list->clear();
}

void FirmwareUpdate::AddLine(const std::string& line) {
    m_list->addItem(QString::fromStdString(line));
    m_list->scrollToBottom();
}

void FirmwareUpdate::WriteToDevice() {
    StartTransfer();
    const std::optional<QString> path =
        RecentFolders(m_app.SettingsSource())
            .OpenFile(RecentFolders::kFirmware,
                      FirmwareDialog(Tr("FirmwareUpdate", "Firmwaredatei öffnen")));
    if (path) {
        QScopedValueRollback updating(m_updating, true);
        if (BackUpEeprom(*path))
            m_app.WriteFirmware(*m_firmware, path->toStdString());
    }
    m_firmware.reset();
}

void FirmwareUpdate::ReadFromDevice() {
    StartTransfer();
    FileDialogOptions options = FirmwareDialog(Tr("FirmwareUpdate", "Firmwaredatei speichern"));
    options.confirmOverwrite = true;
    m_firmware->setUserCancel(&m_app.UserCancel());
    if (const std::optional<QString> path =
            RecentFolders(m_app.SettingsSource()).SaveFile(RecentFolders::kFirmware, options))
        m_app.ReadFirmware(*m_firmware, cFirmwareRW::kFlashSize, path->toStdString());
    if (m_firmware->Cancelled())
        ShowMessage(Tr("FirmwareUpdate",
                       "Firmware sichern abgebrochen.\r\nEs wurde keine Datei geschrieben."),
                    MsgIcon::Information, Title());
    m_firmware.reset();
}

bool FirmwareUpdate::BackUpEeprom(const QString& firmwareFile) {
    const MsgAnswer answer =
        AskQuestion(Tr("FirmwareUpdate", "Eine neue Firmware kann die Belegung des EEPROMs "
                                         "ändern.\r\nSollen die EEPROM-Daten des Geräts vorher "
                                         "in einer Datei gesichert werden?"),
                    MsgButtons::YesNoCancel, Title());
    if (answer == MsgAnswer::No)
        return true;
    std::optional<QString> path;
    if (answer == MsgAnswer::Yes) {
        FileDialogOptions options;
        options.title = Q(Tr("FirmwareUpdate", "EEPROM-Daten sichern"));
        options.fileName = BackupName(firmwareFile);
        options.defaultSuffix = "eep";
        options.filter = Q(Tr("FirmwareUpdate", "EEPROM-Dateien (*.eep)"));
        path = RecentFolders(m_app.SettingsSource()).SaveFile(RecentFolders::kEeprom, options);
    }
    if (!path) {
        AddLine(Tr("FirmwareUpdate", "Firmware-Update abgebrochen, es wurde nichts übertragen."));
        return false;
    }
    EepromTransfer::Image bytes{};
    EepromTransfer transfer = m_app.NewEepromTransfer(&m_window);
    if (const std::string failed = EepromTransfer::FailedCells(transfer.Read(bytes));
        !failed.empty()) {
        ShowMessage(TrArgs(Tr("FirmwareUpdate", "Diese EEPROM-Adressen hat das Gerät nicht "
                                                "beantwortet: %1.\r\nDie Firmware wurde nicht "
                                                "übertragen."),
                           {failed}),
                    MsgIcon::Critical, Title());
        return false;
    }
    const std::string name = path->toStdString();
    if (const FileResult<> saved = ReplaceFileContent(name, EepromHexFile::Write(bytes)); !saved) {
        ShowMessage(TrArgs(Tr("FirmwareUpdate", "Die Datei '%1' konnte nicht geschrieben "
                                                "werden.\r\n%2\r\nDie Firmware wurde nicht "
                                                "übertragen."),
                           {name, saved.Failure()}),
                    MsgIcon::Critical, Title());
        return false;
    }
    AddLine(TrArgs(Tr("FirmwareUpdate", "EEPROM-Daten in Datei '%1' gesichert."), {name}));
    return true;
}
