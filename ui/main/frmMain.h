#pragma once

#include "base/ProgressView.h"
#include "base/View.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class ServicePages;
class XYPlot;
class cParameter;
class frmSplash;
struct TextBinding;

namespace Ui {
class frmMain;
}

/// The working window: eight pages of fields over the application object's model, the toolbar
/// of commands, the status and progress bars. Registered as the first view, it refreshes every
/// field after each change of the model and hands every edit to the model.
class frmMain : public QMainWindow, public View, public ProgressView {
    Q_OBJECT
public:
    /// Builds the window over MyNivolantis, which must exist. The digits 1, 2 and 3 anywhere in
    /// the command line show the service tabs 6, 7 and 8.
    explicit frmMain(const QString& commandLine, QWidget* parent = nullptr);
    ~frmMain() override;

    /// The window that "Optionen" shows. It becomes a window of this one, so that it stays above
    /// it; whoever created it may still delete it first.
    void setOptionsWindow(QWidget* options);

    void Update() override;
    void UpdateProgress(int percent) override;
    /// The percent rounded half to even and written back; shown above 0, hidden at 0 or below;
    /// a value above 100 leaves the bar as it was.
    void UpdateProgress(double& NewPercent);

    /// Runs an operation of the service pages as a device command: the application is busy
    /// and the toolbar and pages are disabled meanwhile.
    void RunServiceCommand(const char* name, const std::function<void()>& command);
    /// Runs a device operation that can stop safely between two exchanges: meanwhile
    /// "Abbrechen" beside the progress bar (or Esc) asks it to stop through
    /// MyNivolantis->UserCancel().
    void OfferCancel(const std::function<void()>& operation);

    /// Enables or disables every control whose tag contains the text.
    void EnableByTag(const QString& tag, bool enabled);

    /// Rebuilds the support-point grid from the model, keeping the current row in the table.
    void UpdateXYGrid();
    /// Shows grid row `row` (from 1) in the current-point fields.
    void ShowXYPoint(int row);
    /// Takes a table of X and Y columns from the clipboard into the grid and the model.
    void PasteXYTable();

    /// Opens a parameter file named on the command line or dropped on the window: the command
    /// "Öffnen" without its dialog, asking first about unsaved edits.
    void OpenParameterFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /// One local file may be dropped, while no command runs.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    /// A text field with its model item resolved once.
    struct TextField {
        QLineEdit* edit;
        const TextBinding* binding;
        cParameter* parameter; ///< nullptr for description lines and user data
    };
    /// A choice field with its model item resolved once.
    struct ChoiceField {
        QWidget* widget;
        std::string path;
        cParameter* parameter;
    };

    void BuildPages();
    void FillLists();
    void BindFields();
    void BindCommands();
    void SetUpStatusBar();
    void ShowServiceTabs(const QString& commandLine);
    /// The whole layout where the screen has room, else as much as fits, pages scrolling inside.
    void FitToScreen();

    QString DisplayText(const TextField& field) const;
    QString Format(const TextField& field, double value) const;
    /// "lower … upper unit" in the field's display form: the tool tip of a value field.
    QString LimitsText(const TextField& field) const;
    void ShowChoice(const ChoiceField& field);
    void RefreshLabels();
    void RefreshEnabling();

    void CommitText(TextField& field, bool byEnter);
    void CommitChoice(const ChoiceField& field, int position);
    void CommitPoint(const char* name, QLineEdit* edit);

    /// Runs a toolbar command: failures end it (ours are printed to standard error), and the
    /// window refreshes afterwards. Device commands disable the toolbar and the pages meanwhile.
    void RunCommand(const char* name, bool usesDevice, const std::function<void()>& command);
    /// Toolbar buttons take no focus: the field being edited commits first, so that a command
    /// works on what the user sees.
    void CommitFocusedField();
    void OpenFile();
    /// False when nothing was saved (refused by the model check, dialog cancelled, write failed).
    bool SaveFile();
    /// Asks "Änderungen speichern?" when the model holds edits not yet saved or transferred:
    /// true when they may go (saved, or the user said "Nein"), false to keep them.
    bool MayDiscardChanges();
    void ConnectDevice();
    /// After a search without a device: names the ports this user has no right to open.
    void ShowRefusedPorts();
    void ShowInfo();
    void ShowOptions();

    bool OutputInVolts() const;
    QString ScalePattern() const;
    int CurrentGridRow() const;
    template <typename T> T* Child(const QString& name) const;

    std::unique_ptr<Ui::frmMain> m_ui;
    std::vector<TextField> m_texts;
    std::vector<ChoiceField> m_choices;
    std::vector<std::pair<QWidget*, QString>> m_tagged; ///< every control with a tag
    std::vector<QLabel*> m_unitLabels;                  ///< lblUnit_0 … as far as they exist
    QComboBox* m_sComma = nullptr;
    QComboBox* m_sUnit = nullptr;
    QRadioButton* m_outMilliamps = nullptr;
    QTableWidget* m_grid = nullptr;
    XYPlot* m_plot = nullptr;
    QLineEdit* m_x = nullptr;
    QLineEdit* m_y = nullptr;
    QLabel* m_pointNr = nullptr;
    QLabel* m_scaleRange = nullptr;
    QWidget* m_supportFrame = nullptr;
    std::array<QRadioButton*, 4> m_linart{}; ///< optLinart_0 … _3
    std::array<QLabel*, 3> m_outUnits{};     ///< "mA" or "V" beside the output fields
    std::vector<QLineEdit*> m_rangeFields;   ///< txtInBegin, txtInEnd, txtSBegin, txtSEnd
    QLabel* m_panelConnection = nullptr;
    QLabel* m_panelScale = nullptr;
    QLabel* m_panelDate = nullptr;
    QLabel* m_panelTime = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr; ///< "Abbrechen" beside the progress bar
    QPointer<QWidget> m_options;
    QPointer<frmSplash> m_info;
    std::unique_ptr<ServicePages> m_service;

    bool m_updating = false;       ///< true while Update runs: choice handlers do nothing
    bool m_committing = false;     ///< a commit's message box must not commit the field again
    int m_updateCount = 0;         ///< refreshes so far, to tell whether a commit brought one
    bool m_commandRunning = false; ///< a toolbar command runs: no second one, no close
    bool m_closePending = false;   ///< the window was closed while a device command ran
    bool m_fitted = false;         ///< sized to the screen at the first show
};
