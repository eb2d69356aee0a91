#pragma once

#include "app/basMain.h"
#include "ui/StartArguments.h"

#include <QPointer>
#include <QString>

#include <memory>

class frmMain;
class frmOptionen;
class frmSplash;

/// The program's windows as the start-up sequence opens them: the start-up window, the main
/// window (with the service tabs the command line asks for) and the options window.
class QtStartWindows : public StartWindows {
public:
    explicit QtStartWindows(StartArguments arguments);
    ~QtStartWindows() override;

    void ShowSplash() override;
    void ShowSplashStatus(const std::string& text) override;
    void CloseSplash() override;
    void ShowMain(cNivolantis& app) override;
    void MakeOptions(cNivolantis& app) override;
    void ShowStartNote(const std::string& text) override;

    /// The main window once shown; nullptr before.
    frmMain* Main() const { return m_main.get(); }
    /// The options window once made; nullptr before.
    frmOptionen* Options() const { return m_options.get(); }

    /// Opens the parameter file the command line names, as "Öffnen" would; after start-up, so
    /// that every view shows it.
    void OpenFileArgument();

private:
    StartArguments m_arguments;
    QPointer<frmSplash> m_splash; ///< the user may close it before start-up does
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmOptionen> m_options; ///< a window of the main one: ends before it
};
