#pragma once

#include "base/Clock.h"
#include "base/EventPump.h"
#include "base/MessageService.h"
#include "base/Printer.h"
#include "base/ProgramInfo.h"
#include "base/RegionalSettings.h"
#include "base/Translation.h"

#include <memory>

/// The platform services the core uses. Programs install the real ones at start and tests
/// install recorders; until then headless defaults serve (stderr messages, no window events,
/// "." as decimal separator with ISO dates, the system clocks, the running executable, the
/// texts as written: German).
class Platform {
public:
    static MessageService& Messages();
    static EventPump& Events();
    static RegionalSettings& Regional();
    static Clock& Clocks();
    static const ProgramInfo& Program();
    /// The printer reports go to. Until one is installed, every operation on it throws
    /// std::runtime_error "Kein Drucker eingerichtet.".
    static Printer& Printing();
    static const Translator& Texts();

    static void Install(std::unique_ptr<MessageService> service);
    static void Install(std::unique_ptr<EventPump> pump);
    static void Install(std::unique_ptr<RegionalSettings> settings);
    static void Install(std::unique_ptr<Clock> clock);
    static void Install(ProgramInfo info);
    /// nullptr takes the installed printer away again.
    static void Install(std::unique_ptr<Printer> printer);
    /// nullptr puts the texts back to German.
    static void Install(std::unique_ptr<Translator> translator);

    /// Puts every service back to its default.
    static void Reset();
};

/// Shorthand for the message box service.
inline void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title = "") {
    Platform::Messages().ShowMessage(text, icon, title);
}

/// Shorthand for one box with every finding of a check.
inline void ShowFindings(const std::vector<std::string>& findings, const std::string& closing,
                         MsgIcon icon, const std::string& title) {
    Platform::Messages().ShowFindings(findings, closing, icon, title);
}

/// Shorthand for asking the user a question.
inline MsgAnswer AskQuestion(const std::string& text, MsgButtons buttons,
                             const std::string& title = "") {
    return Platform::Messages().Ask(text, buttons, title);
}

/// Shorthand for letting pending window events run.
inline void DoEvents() {
    Platform::Events().ProcessEvents();
}
