#pragma once

#include "base/ConsoleMessageService.h"

/// Message boxes and questions on standard error, counted: a command that showed one has met
/// a refusal. Questions are written and declined (no dialogue on the terminal), and so count too.
class CliMessageService : public ConsoleMessageService {
public:
    void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) override {
        ++m_count;
        ConsoleMessageService::ShowMessage(text, icon, title);
    }
    int Count() const { return m_count; }

private:
    int m_count = 0;
};
