#pragma once

#include "base/MessageService.h"

#include <functional>
#include <string>
#include <vector>

/// Records every message box instead of showing it.
class RecordingMessageService : public MessageService {
public:
    struct Message {
        std::string text;
        MsgIcon icon;
        std::string title;
    };

    void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) override;

    const std::vector<Message>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

    /// Runs once for every message shown, after it was recorded (a test may throw from it).
    std::function<void(const Message&)> onShow;

private:
    std::vector<Message> m_messages;
};
