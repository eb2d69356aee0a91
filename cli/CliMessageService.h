#pragma once

#include "base/ConsoleMessageService.h"

/// Message boxes on standard error, counted: a command that showed one has met a refusal.
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
