#pragma once

#include "app/ViewRegistration.h"
#include "base/View.h"

#include <QWidget>

#include <memory>

class cNivolantis;
class PortPathList;

namespace Ui {
class frmOptionen;
}

/// The options window: which device variant the model describes, chosen here or read from the
/// device, whether the pages mark the values that differ from the factory settings, and whether
/// the device traffic is traced (on from the start when the user's settings say so). A view of
/// the application object from its making to its end, shown or not.
class frmOptionen : public QWidget, public View {
    Q_OBJECT
public:
    explicit frmOptionen(cNivolantis& app, QWidget* parent = nullptr);
    ~frmOptionen() override;

    /// Selects the option of the model's variant (other variants leave the selection as it is)
    /// and shows whether the marks are on.
    void Update() override;

protected:
    /// Shows the model's variant from the first moment on, even if no change came meanwhile,
    /// and the ports as they are now.
    void showEvent(QShowEvent* event) override;

private:
    void Choose(int option);
    /// Takes effect at once and is kept in the user's settings.
    void SwitchDefaultMarks(bool on);
    /// Takes effect from the next device exchange on and is kept in the user's settings.
    void SwitchTrace(bool on);
    static void ShowTraceFailure(const std::string& failure);
    void ReadFromDevice();

    cNivolantis& m_app;
    std::unique_ptr<Ui::frmOptionen> m_ui;
    PortPathList* m_ports = nullptr; ///< owned by its grid
    bool m_refreshing = false;
    ViewRegistration m_registration;
};
