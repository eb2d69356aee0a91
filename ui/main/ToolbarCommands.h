#pragma once

#include "app/ConfigurationDiff.h"
#include "ui/service/ServiceWindow.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMainWindow;
class QPushButton;
class QToolBar;
class CompareMarks;
class EditHistory;
class cNivolantis;
class frmCompare;
class frmSplash;

/// The commands of the main window's toolbar and how every command runs: one at a time, the
/// field being edited committed first, device commands with the toolbar and pages disabled,
/// the application object's views refreshed afterwards.
class ToolbarCommands : public QObject, public ServiceCommands {
public:
    /// What the commands need of the window beyond its widgets.
    struct Window {
        QMainWindow& window;
        QToolBar& toolbar; ///< with an action per command, named as the command
        QLabel& connectionPanel;
        QPushButton& cancel;  ///< "Abbrechen" beside the progress bar
        CompareMarks& marks;  ///< the fields a comparison found different
        EditHistory& history; ///< every command is one step to undo
        std::function<void()> commitFocusedField;
    };

    ToolbarCommands(cNivolantis& app, Window window);

    /// True while a command runs: no second one, no drop, no close.
    bool Running() const { return m_running; }
    /// The window closes once the running command returns.
    void CloseWhenDone() { m_closePending = true; }

    /// Runs an operation of the service pages as a device command: the application is busy
    /// meanwhile.
    void RunServiceCommand(const char* name, const std::function<void()>& command) override;
    /// Runs a device operation that can stop safely between two exchanges: meanwhile
    /// "Abbrechen" (or Esc) asks it to stop through the application's UserCancel().
    void OfferCancel(const std::function<void()>& operation) override;
    /// The command "Öffnen" without its dialog, asking first about unsaved edits.
    void OpenParameterFile(const QString& path);
    /// Asks "Änderungen speichern?" when the model holds edits not yet saved in a file:
    /// true when they may go (saved, or the user said "Nein"), false to keep them.
    bool MayDiscardChanges();

    /// "Vergleichen mit …" with the device, without asking which: reads the device apart from
    /// the window's values, then lists and marks what differs (or says that nothing does).
    void CompareWithDevice();
    /// The list of the last comparison while it is open; null otherwise.
    QWidget* CompareWindow() const;

    /// The window that "Optionen" shows. It becomes a window of the main one, so that it stays
    /// above it; whoever created it may still delete it first.
    void setOptionsWindow(QWidget* options);
    /// Closes the information, options and comparison windows with the main one.
    void CloseOwnedWindows();

    /// The image of a toolbar command by its key's name ("Exit" for "End", "New" for
    /// "Standard"); a null icon for a name the program has no image of.
    static QIcon ToolbarIcon(const QString& name);

private:
    void Bind();
    /// The toolbar's action of that name; nullptr for a command without one.
    QAction* Action(const char* name) const;
    /// Failures end a command (printed to standard error).
    void Run(const char* name, bool usesDevice, const std::function<void()>& command);
    void SetCommandsEnabled(bool enabled);
    void OpenFile();
    /// False when nothing was saved (refused by the model check, dialog cancelled, write failed).
    bool SaveFile();
    void ConnectDevice();
    /// Asks whether to compare the model with the device or a parameter file, then compares.
    void Compare();
    /// Compares the model with the device or a parameter file, read apart from it: lists and
    /// marks what differs, or says that nothing does.
    void CompareWith(bool device);
    /// Lists and marks the differences with the device or a file, or says there are none.
    void ShowDifferences(const std::vector<ConfigurationDifference>& differences, bool device);
    /// After a search without a device: names the ports this user has no right to open.
    void ShowRefusedPorts();
    void ShowInfo();
    void ShowOptions();

    cNivolantis& m_app;
    Window m_window;
    QPointer<QWidget> m_options;
    QPointer<frmSplash> m_info;
    QPointer<frmCompare> m_compare;
    bool m_running = false;
    bool m_closePending = false; ///< the window was closed while a device command ran
};
