#pragma once

#include "app/ViewRegistration.h"
#include "base/View.h"
#include "ui/main/ToolbarCommands.h"
#include "ui/service/ServiceWindow.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class DefaultMarks;
class EditHistory;
class CompareMarks;
class FieldRegistry;
class PageFields;
class ServicePages;
class SupportPointEditor;
class cNivolantis;
struct PageForms;

namespace Ui {
class frmMain;
}

/// The working window: eight pages of fields over the application object's model, the toolbar
/// of commands, the status and progress bars. Its parts (the fields, their marks, the support
/// points, the EEPROM grid) are views of the application object of their own; the window itself
/// is one for the labels, the status bar and the enabling by tag, from its making to its end.
class frmMain : public QMainWindow, public View, public ServiceWindow {
    Q_OBJECT
public:
    /// Builds the window over `app`, which must outlive it. The digits 1, 2 and 3 anywhere in
    /// the command line show the service tabs 6, 7 and 8.
    frmMain(cNivolantis& app, const QString& commandLine, QWidget* parent = nullptr);
    ~frmMain() override;

    void Update() override;
    void UpdateProgress(int percent) override;
    /// The percent rounded half to even and written back; shown above 0, hidden at 0 or below;
    /// a value above 100 leaves the bar as it was.
    void UpdateProgress(double& NewPercent) override;

    void ShowStatusText(const QString& text, int shownMs) override;
    void ClearStatusText() override;
    const ServiceWidgets& Widgets() const override { return m_serviceWidgets; }
    /// The pages' form objects.
    PageForms& Pages() { return *m_pages; }
    /// The toolbar's commands: opening a file named on the command line or dropped, the options
    /// window, and the service pages' device commands.
    ToolbarCommands& Commands() override { return *m_commands; }
    /// The tab widget of the eight pages.
    QTabWidget* PageTabs() const;

    /// Enables or disables every control whose tag contains the text.
    void EnableByTag(const QString& tag, bool enabled);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /// One local file may be dropped, while no command runs.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildPages();
    void CollectServiceWidgets();
    void FillLists();
    void SetUpStatusBar();
    void ShowServiceTabs(const QString& commandLine);
    /// The whole layout where the screen has room, else as much as fits, pages scrolling inside.
    void FitToScreen();

    void RefreshLabels();
    void RefreshEnabling();

    cNivolantis& m_app;
    std::unique_ptr<Ui::frmMain> m_ui;
    std::unique_ptr<PageForms> m_pages;
    ServiceWidgets m_serviceWidgets{};
    std::vector<std::pair<QWidget*, QString>> m_tagged; ///< every control with a tag
    std::vector<QLabel*> m_unitLabels;                  ///< lblUnit_0 …
    std::array<QLabel*, 3> m_outUnits{};                ///< "mA" or "V" beside the output fields
    QLabel* m_panelConnection = nullptr;
    QLabel* m_panelScale = nullptr;
    QLabel* m_panelDate = nullptr;
    QLabel* m_panelTime = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr; ///< "Abbrechen" beside the progress bar
    std::unique_ptr<FieldRegistry> m_registry;
    std::unique_ptr<EditHistory> m_history;
    std::unique_ptr<SupportPointEditor> m_points;
    std::unique_ptr<PageFields> m_fields;
    std::unique_ptr<DefaultMarks> m_defaultMarks;
    std::unique_ptr<CompareMarks> m_compareMarks;
    std::unique_ptr<ToolbarCommands> m_commands;
    std::unique_ptr<ServicePages> m_service;

    bool m_fitted = false; ///< sized to the screen at the first show
    ViewRegistration m_registration;
};
