#pragma once

#include "base/MessageService.h"

#include <iosfwd>

/// Message boxes for headless programs: the title (if any) on its own line, then the text,
/// written to a stream (standard error by default). CR LF inside texts becomes a plain line end.
/// Nobody is there to answer a question, so it is written the same way and declined.
class ConsoleMessageService : public MessageService {
public:
    ConsoleMessageService();
    explicit ConsoleMessageService(std::ostream& out);
    void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) override;
    /// Writes the question and answers "No" (YesNo) or "Cancel" (YesNoCancel).
    MsgAnswer Ask(const std::string& text, MsgButtons buttons, const std::string& title) override;
    /// Every finding on its own line: a terminal scrolls, and scripts may read them all.
    void ShowFindings(const std::vector<std::string>& findings, const std::string& closing,
                      MsgIcon icon, const std::string& title) override;

    /// The text with every CR LF turned into a plain line end.
    static std::string PlainLineEnds(const std::string& text);

private:
    std::ostream& m_out;
};
