#pragma once

#include "base/MessageService.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

/// Records every message box instead of showing it, and answers questions from a script.
class RecordingMessageService : public MessageService {
public:
    struct Message {
        std::string text;
        MsgIcon icon;
        std::string title;
    };
    struct Question {
        std::string text;
        MsgButtons buttons;
        std::string title;
        MsgAnswer answer; ///< what the scripted user chooses
    };

    void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) override;
    /// Answers with the next scripted question's answer; a question that differs from it, or
    /// one asked when none is scripted, fails the running test (and is declined).
    MsgAnswer Ask(const std::string& text, MsgButtons buttons, const std::string& title) override;

    const std::vector<Message>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

    void Script(Question question) { m_script.push_back(std::move(question)); }
    /// Scripted questions nobody asked yet; forgets them.
    std::vector<Question> TakeUnasked();

    /// Runs once for every message shown, after it was recorded (a test may throw from it).
    std::function<void(const Message&)> onShow;

    static std::string Describe(const Message& message);
    static std::string Describe(const Question& question);

private:
    std::vector<Message> m_messages;
    std::deque<Question> m_script;
};
