#include "support/RecordingMessageService.h"

#include <gtest/gtest.h>

namespace {

// In the order of the enumerations.
constexpr const char* kIconNames[] = {"None", "Information", "Critical", "Exclamation"};
constexpr const char* kAnswerNames[] = {"Yes", "No", "Cancel"};

} // namespace

void RecordingMessageService::ShowMessage(const std::string& text, MsgIcon icon,
                                          const std::string& title) {
    m_messages.push_back({text, icon, title});
    if (onShow)
        onShow(m_messages.back());
}

MsgAnswer RecordingMessageService::Ask(const std::string& text, MsgButtons buttons,
                                       const std::string& title) {
    const MsgAnswer declined = buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    const std::string asked = Describe(Question{text, buttons, title, declined});
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected question: " << asked;
        return declined;
    }
    const Question scripted = m_script.front();
    m_script.pop_front();
    if (Describe({text, buttons, title, scripted.answer}) == Describe(scripted))
        return scripted.answer;
    ADD_FAILURE() << "expected question " << Describe(scripted) << "\n  but was asked " << asked;
    return declined;
}

std::vector<RecordingMessageService::Question> RecordingMessageService::TakeUnasked() {
    std::vector<Question> unasked(m_script.begin(), m_script.end());
    m_script.clear();
    return unasked;
}

std::string RecordingMessageService::Describe(const Message& m) {
    return "[" + std::string(kIconNames[static_cast<int>(m.icon)]) + "] title '" + m.title +
           "': " + m.text;
}

std::string RecordingMessageService::Describe(const Question& q) {
    return std::string(q.buttons == MsgButtons::YesNo ? "[Yes/No]" : "[Yes/No/Cancel]") +
           " title '" + q.title + "': " + q.text + " -> " +
           kAnswerNames[static_cast<int>(q.answer)];
}
