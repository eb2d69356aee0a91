#include "ui/main/ToolbarCommands.h"

#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "base/UnexpectedError.h"
#include "device/DeviceTransfer.h"
#include "platform/FileDialogs.h"
#include "ui/QtText.h"
#include "ui/RecentFolders.h"
#include "ui/main/CompareMarks.h"
#include "ui/main/EditHistory.h"
#include "ui/main/ReportPrinting.h"
#include "ui/main/frmCompare.h"
#include "ui/service/frmSplash.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolBar>

#include <stdexcept>

namespace {

FileDialogOptions ParameterFileDialog(const QString& title, const std::string& fileName) {
    FileDialogOptions options;
    options.title = title;
    options.fileName = Q(fileName);
    options.defaultSuffix = "par";
    options.filter = QCoreApplication::translate("ToolbarCommands", "Parameterdateien (*.par)");
    return options;
}

} // namespace

QIcon ToolbarCommands::ToolbarIcon(const QString& name) {
    // Drawn from the program's SVG at build time (icons/<name>-<size>.png) for every size a
    // toolbar asks for, screens at 150 % included, so that no desktop theme and no image
    // plug-in decides how the toolbar looks.
    QIcon icon;
    const QDir images(":/icons");
    for (const QString& file : images.entryList({name + "-*.png"}, QDir::Files))
        icon.addFile(images.filePath(file));
    return icon;
}

ToolbarCommands::ToolbarCommands(cNivolantis& app, Window window)
    : m_app(app), m_window(std::move(window)) {
    connect(&m_window.cancel, &QPushButton::clicked, this,
            [this] { m_app.UserCancel().Request(); });
    Bind();
}

void ToolbarCommands::Bind() {
    struct Command {
        QAction* action;
        const char* image; ///< of the program's own, the same on every desktop
        bool usesDevice;
        std::function<void()> run;
    };
    const auto command = [this](const char* name) {
        if (QAction* action = Action(name))
            return action;
        throw std::logic_error(std::string("frmMain: no command ") + name);
    };
    const Command commands[] = {
        {command("End"), "Exit", false, {}},
        {command("Standard"), "New", false,
         [this] {
             if (MayDiscardChanges())
                 m_app.SetDefaults();
         }},
        {command("Open"), "Open", false, [this] { OpenFile(); }},
        {command("Save"), "Save", false, [this] { SaveFile(); }},
        {command("Print"), "Print", false, [this] { PrintReport(m_app); }},
        {command("Download"), "Download", true,
         [this] {
             m_window.marks.Clear();
             m_app.Download();
         }},
        {command("Upload"), "Upload", true,
         [this] {
             if (!MayDiscardChanges()) // the values read replace the edits
                 return;
             m_window.marks.Clear();
             OfferCancel([this] { m_app.Upload(); });
         }},
        {command("Compare"), "Compare", true, [this] { Compare(); }},
        {command("Connect"), "Connect", true, [this] { ConnectDevice(); }},
        {command("Info"), "Info", false, [this] { ShowInfo(); }},
        {command("Options"), "Options", false, [this] { ShowOptions(); }},
    };
    for (const Command& command : commands) {
        QAction* action = command.action;
        action->setIcon(ToolbarIcon(command.image));
        // Qt leaves the "&" out of a toolbar button unless the icon text is set: Alt+letter
        // then presses the button, umlauts included.
        action->setIconText(action->text());
        if (!action->shortcut().isEmpty())
            action->setToolTip(action->iconText().remove('&') + " (" +
                               action->shortcut().toString(QKeySequence::NativeText) + ")");
        if (!command.run) { // "Ende" closes the window, which ends the program
            connect(action, &QAction::triggered, &m_window.window, &QWidget::close);
            continue;
        }
        const QByteArray key = action->objectName().toUtf8();
        connect(action, &QAction::triggered, this,
                [this, key, device = command.usesDevice, run = command.run] {
                    Run(key.constData(), device, run);
                });
    }
}

QAction* ToolbarCommands::Action(const char* name) const {
    for (QAction* action : m_window.toolbar.actions())
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}

void ToolbarCommands::Run(const char* name, bool usesDevice, const std::function<void()>& command) {
    if (m_running)
        return;
    m_window.commitFocusedField();
    m_running = true;
    if (usesDevice)
        SetCommandsEnabled(false);
    const QAction* action = Action(name);
    try {
        m_window.history.Record(action ? action->iconText().remove('&') : QString(name), command);
    } catch (...) {
        ReportUnexpected(name, CurrentErrorText());
    }
    SetCommandsEnabled(true);
    m_running = false;
    m_app.Notify(); // also after a command that changed no value: a search, an EEPROM read
    if (m_closePending)
        m_window.window.close();
}

void ToolbarCommands::SetCommandsEnabled(bool enabled) {
    m_window.toolbar.setEnabled(enabled);
    m_window.window.centralWidget()->setEnabled(enabled);
    if (m_options)
        m_options->setEnabled(enabled);
}

void ToolbarCommands::RunServiceCommand(const char* name, const std::function<void()>& command) {
    Run(name, true, [this, &command] {
        struct Busy { // other windows keep off the device meanwhile
            cNivolantis& app;
            explicit Busy(cNivolantis& a) : app(a) { app.setTransferRunning(true); }
            ~Busy() { app.setTransferRunning(false); }
        } busy(m_app);
        command();
    });
}

void ToolbarCommands::OfferCancel(const std::function<void()>& operation) {
    m_app.UserCancel().Clear();
    m_window.cancel.show();
    const auto hide = qScopeGuard([this] { m_window.cancel.hide(); });
    operation();
}

void ToolbarCommands::OpenFile() {
    if (!MayDiscardChanges())
        return;
    if (const auto path =
            RecentFolders(m_app.SettingsSource())
                .OpenFile(RecentFolders::kParameterFiles,
                          ParameterFileDialog(QCoreApplication::translate("ToolbarCommands",
                                                                          "Parameterdatei öffnen"),
                                              m_app.FileName()))) {
        m_window.marks.Clear();
        m_app.ReadIni(path->toStdString());
    }
}

void ToolbarCommands::OpenParameterFile(const QString& path) {
    Run("Open", false, [this, path] {
        if (!MayDiscardChanges())
            return;
        m_window.marks.Clear();
        m_app.ReadIni(path.toStdString());
    });
}

bool ToolbarCommands::SaveFile() {
    if (m_app.TestData()) {
        ShowMessage(Tr("ToolbarCommands",
                       "Parameter fehlerhaft.\r\nDie Daten können nicht gespeichert werden."),
                    MsgIcon::Information);
        return false;
    }
    const auto path =
        RecentFolders(m_app.SettingsSource())
            .SaveFile(RecentFolders::kParameterFiles,
                      ParameterFileDialog(QCoreApplication::translate("ToolbarCommands",
                                                                      "Parameterdatei speichern"),
                                          m_app.FileName()));
    return path && m_app.WriteIni(path->toStdString());
}

bool ToolbarCommands::MayDiscardChanges() {
    m_window.commitFocusedField();
    if (!m_app.Modified())
        return true;
    switch (AskQuestion(Tr("ToolbarCommands", "Änderungen speichern?"), MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        return SaveFile();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void ToolbarCommands::ConnectDevice() {
    QLabel& panel = m_window.connectionPanel;
    panel.setText(QCoreApplication::translate("ToolbarCommands", "Suche Gerät..."));
    panel.repaint();
    std::int16_t port = 0;
    {
        const auto clear = qScopeGuard([&panel] { panel.clear(); });
        port = m_app.Connect();
    }
    if (port == 0)
        ShowRefusedPorts();
}

void ToolbarCommands::ShowRefusedPorts() {
    // Without this the user would only see that nothing was found, not that rights are missing
    // or that another program holds a port.
    std::string refused;
    for (const PortProbe& probe : m_app.LastSearch())
        if (probe.outcome == PortProbe::kNoPermission || probe.outcome == PortProbe::kInUse)
            refused += (refused.empty() ? "" : "\r\n") + (probe.outcome == PortProbe::kInUse
                                                              ? DeviceTransfer::DescribeProbe(probe)
                                                              : probe.detail);
    if (!refused.empty())
        ShowMessage(refused, MsgIcon::Exclamation, Tr("ToolbarCommands", "Verbinden"));
}

void ToolbarCommands::Compare() {
    const MsgAnswer source = AskQuestion(
        Tr("ToolbarCommands", "Mit dem Gerät vergleichen?\r\nJa: das Gerät wird gelesen; die "
                              "Werte im Fenster bleiben.\r\nNein: mit einer Parameterdatei "
                              "vergleichen."),
        MsgButtons::YesNoCancel, Tr("ToolbarCommands", "Vergleichen"));
    if (source != MsgAnswer::Cancel)
        CompareWith(source == MsgAnswer::Yes);
}

void ToolbarCommands::CompareWithDevice() {
    Run("Compare", true, [this] { CompareWith(true); });
}

QWidget* ToolbarCommands::CompareWindow() const {
    return m_compare.data();
}

void ToolbarCommands::CompareWith(bool device) {
    m_window.marks.Clear();
    if (m_compare)
        m_compare->close();
    const auto other = m_app.SeparateConfiguration();
    bool read = false;
    if (device) {
        OfferCancel([this, &other, &read] { read = m_app.UploadInto(*other); });
    } else if (const auto path =
                   RecentFolders(m_app.SettingsSource())
                       .OpenFile(RecentFolders::kParameterFiles,
                                 ParameterFileDialog(
                                     QCoreApplication::translate("ToolbarCommands",
                                                                 "Mit Parameterdatei vergleichen"),
                                     m_app.FileName()))) {
        read = m_app.ReadIniInto(*other, path->toStdString());
    }
    // On the device's steps as the device holds them; a file's values as they are written.
    if (read)
        ShowDifferences(ConfigurationDiff::Compare(m_app.Config(), *other, device), device);
}

void ToolbarCommands::ShowDifferences(const std::vector<ConfigurationDifference>& differences,
                                      bool device) {
    if (differences.empty()) {
        ShowMessage(device
                        ? Tr("ToolbarCommands",
                             "Keine Unterschiede: Die Werte im Fenster und im Gerät sind gleich.")
                        : Tr("ToolbarCommands", "Keine Unterschiede: Die Werte im Fenster und "
                                                "in der Datei sind gleich."),
                    MsgIcon::Information, Tr("ToolbarCommands", "Vergleichen"));
        return;
    }
    m_window.marks.Mark(differences,
                        device ? QCoreApplication::translate("ToolbarCommands", "Gerät: %1")
                               : QCoreApplication::translate("ToolbarCommands", "Datei: %1"));
    m_compare = new frmCompare(&m_window.window);
    m_compare->setAttribute(Qt::WA_DeleteOnClose);
    const QString heading =
        device ? QCoreApplication::translate("ToolbarCommands",
                                             "Verschiedene Werte: Fenster → Gerät (%1). Die "
                                             "Felder sind gestrichelt umrahmt.")
               : QCoreApplication::translate("ToolbarCommands",
                                             "Verschiedene Werte: Fenster → Datei (%1). Die "
                                             "Felder sind gestrichelt umrahmt.");
    m_compare->Fill(heading.arg(differences.size()), differences);
    m_compare->show();
}

void ToolbarCommands::ShowInfo() {
    if (m_info)
        m_info->close();
    m_info = new frmSplash(&m_window.window);
    m_info->setAttribute(Qt::WA_DeleteOnClose);
    m_info->Fill(m_app.SettingsSource());
    m_info->ShowDeviceVersion(m_app.FirmwareID());
    m_info->show();
}

void ToolbarCommands::setOptionsWindow(QWidget* options) {
    m_options = options;
    if (options)
        options->setParent(&m_window.window, options->windowFlags());
}

void ToolbarCommands::ShowOptions() {
    if (!m_options)
        return;
    if (!m_options->testAttribute(Qt::WA_Resized))
        m_options->adjustSize(); // its size before the first showing, so that it centres right
    QRect placed = m_options->frameGeometry(); // centred over the main window
    placed.moveCenter(m_window.window.frameGeometry().center());
    m_options->move(placed.topLeft());
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
}

void ToolbarCommands::CloseOwnedWindows() {
    if (m_info)
        m_info->close();
    if (m_compare)
        m_compare->close();
    if (m_options)
        m_options->close();
}
