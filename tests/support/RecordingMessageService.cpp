#include "support/RecordingMessageService.h"

void RecordingMessageService::ShowMessage(const std::string& text, MsgIcon icon,
                                          const std::string& title) {
    m_messages.push_back({text, icon, title});
    if (onShow)
        onShow(m_messages.back());
}
