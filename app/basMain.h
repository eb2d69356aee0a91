#pragma once

#include "app/cNivolantis.h"
#include "base/View.h"

#include <functional>
#include <memory>
#include <string>

/// The one application object of the running program; empty until start has built it.
extern std::unique_ptr<cNivolantis> MyNivolantis;

/// What program start needs from the window layer.
class StartWindows {
public:
    virtual ~StartWindows() = default;
    virtual void ShowSplash() = 0; ///< shows the start-up window without waiting
    /// A line on the start-up window about what start-up is doing; harmless when it is closed.
    virtual void ShowSplashStatus(const std::string& text) = 0;
    virtual void CloseSplash() = 0; ///< harmless when the user closed it already
    /// Shows the main window over the application object; it registers as the first view.
    virtual void ShowMain(cNivolantis& app) = 0;
    /// Makes the options window over the application object, registered without being shown.
    virtual void MakeOptions(cNivolantis& app) = 0;
    /// Something the user must know after start-up (lines joined by CR LF), in the main
    /// window's status bar.
    virtual void ShowStartNote(const std::string& text) = 0;
};

/// Program start in the order of the start-up sequence: splash shown and one event run,
/// application object built into MyNivolantis, `configure` called on it (e.g. the demo's port
/// map), device search (announced on the splash: it may take seconds), splash closed, main window
/// shown and registered, options registered. When no device was found and this user may not
/// open some port, that is said once, on the splash and in the main window. Any error ends it
/// with the box "Fehler beim
/// Programmstart in Modul 'basMain': " + line break + the error's description (OK button only, no
/// title, no icon) and returns false.
bool StartProgram(StartWindows& windows, const SettingsFiles& settings = SettingsFiles::ForUser(),
                  const std::function<void(cNivolantis&)>& configure = {});

/// Builds only the application object into MyNivolantis, for programs without windows. A
/// failure shows the same start-up error box and returns false.
bool CreateApplication(const SettingsFiles& settings = SettingsFiles::ForUser());
