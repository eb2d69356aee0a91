#include "base/ConsoleMessageService.h"

#include "base/Translation.h"

#include <iostream>

std::string ConsoleMessageService::PlainLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

ConsoleMessageService::ConsoleMessageService() : m_out(std::cerr) {}

ConsoleMessageService::ConsoleMessageService(std::ostream& out) : m_out(out) {}

void ConsoleMessageService::ShowMessage(const std::string& text, MsgIcon,
                                        const std::string& title) {
    if (!title.empty())
        m_out << PlainLineEnds(title) << '\n';
    m_out << PlainLineEnds(text) << std::endl;
}

MsgAnswer ConsoleMessageService::Ask(const std::string& text, MsgButtons buttons,
                                     const std::string& title) {
    const bool cancel = buttons == MsgButtons::YesNoCancel;
    const std::string answer = cancel ? Tr("ConsoleMessageService", "-> Abbrechen")
                                      : Tr("ConsoleMessageService", "-> Nein");
    ShowMessage(text + "\n" + answer, MsgIcon::None, title);
    return cancel ? MsgAnswer::Cancel : MsgAnswer::No;
}

void ConsoleMessageService::ShowFindings(const std::vector<std::string>& findings,
                                         const std::string& closing, MsgIcon icon,
                                         const std::string& title) {
    ShowMessage(JoinFindings(findings, findings.size(), closing), icon, title);
}
