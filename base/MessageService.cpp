#include "base/MessageService.h"

#include "base/Translation.h"

void MessageService::ShowFindings(const std::vector<std::string>& findings,
                                  const std::string& closing, MsgIcon icon,
                                  const std::string& title) {
    ShowMessage(JoinFindings(findings, kShownFindings, closing), icon, title);
}

std::string MessageService::JoinFindings(const std::vector<std::string>& findings,
                                         std::size_t shown, const std::string& closing) {
    std::string text;
    const auto addLine = [&text](const std::string& line) {
        text += (text.empty() ? "" : "\r\n") + line;
    };
    for (std::size_t i = 0; i < findings.size() && i < shown; ++i)
        addLine(findings[i]);
    if (findings.size() > shown)
        addLine(TrArgs(Tr("MessageService", "… und %1 weitere"),
                       {std::to_string(findings.size() - shown)}));
    if (!closing.empty())
        addLine(closing);
    return text;
}
